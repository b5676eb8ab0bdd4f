// Tools, Import and Export with the georeferenced rasters and meshes, as a
// user works them: a GeoTIFF the geospatial library wrote is read through the
// "Raster Import" dialog, and the map goes out as a GeoTIFF and a glTF model
// that the libraries themselves read back.
#include "ExchangeDialogs.h"
#include "MainWindowFixture.h"
#include "exchange/MapMetres.h"
#include "tests/exchange/fixtures/GdalRaster.h"

#include <QComboBox>
#include <QSpinBox>
#include <gdal_priv.h>
#include <tiny_gltf.h>

#include <array>
#include <cstdint>

namespace tarn::test {
namespace {

constexpr int kNodata = -9999;

// 30 x 20 pixels of 25 m, heights rising to the east and south, and one
// pixel without a value.
fixtures::TRasterLayout Slope()
{
    fixtures::TRasterLayout layout;
    layout.floatValues = false;
    layout.nodata = kNodata;
    layout.value = [](int column, int row) { return column == 4 && row == 5 ? kNodata : 100 + 3 * column + 2 * row; };
    return layout;
}

class RasterExchangeCommandTest : public MainWindowFixture {
protected:
    QString Written(const fixtures::TRasterLayout& layout)
    {
        const QString file = folder.filePath("slope.tif");
        fixtures::WriteRaster(file.toStdString(), layout);
        return file;
    }
    void Import(const QString& filter, const QString& file, std::function<void(QWidget&)> dialog)
    {
        AnswerExchangeDialog("ImportDialog", filter, file, std::move(dialog));
        Choose("Tools1", "Import");
    }
    void Export(const QString& filter, const QString& file)
    {
        AnswerExchangeDialog("ExportDialog", filter, file, {});
        Choose("Tools1", "ExportData");
    }
    // Node i from the north-west, row by row.
    int HeightAt(int column, int row) { return Net().Points()[static_cast<std::size_t>(row * Columns() + column)].Height; }
    void Undulate()
    {
        auto& points = Net().Points();
        for (std::size_t i = 0; i < points.size(); ++i)
            points[i].Height = static_cast<std::int16_t>((i % 51) * (i / 51) % 97 - 20);
    }
};

TEST_F(RasterExchangeCommandTest, AGeoTiffBecomesANewMapNodeForNodeWithItsNodataAsNull)
{
    const QString file = Written(Slope());
    Import("GeoTIFF or SRTM tile (*.tif *.hgt)", file, [](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), "Raster Import");
        EXPECT_EQ(form.findChild<QSpinBox*>("BandSpin")->text(), "The only band");
        EXPECT_EQ(form.findChild<QSpinBox*>("ColumnsSpin")->text(), "Largest");
        EXPECT_EQ(form.findChild<QComboBox*>("ResamplingCombo")->currentText(), "Average");
        EXPECT_EQ(form.findChild<QComboBox*>("MapUnitsCombo")->currentText(), "Metric");
        ClickButton(form, "OK");
    });
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    ASSERT_EQ(Columns(), 30);
    ASSERT_EQ(Net().MapHeader.Rows, 20);
    EXPECT_EQ(Net().MapHeader.MapUnits, static_cast<std::int16_t>(MapUnits::Metric));
    EXPECT_DOUBLE_EQ(NodeSpacingMetres(Net().MapHeader), 25);
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 30; ++column) {
            if (column != 4 || row != 5) {
                ASSERT_EQ(HeightAt(column, row), 100 + 3 * column + 2 * row) << column << ", " << row;
            }
        }
    }
    EXPECT_EQ(HeightAt(4, 5), kNullHeight);
}

TEST_F(RasterExchangeCommandTest, TheGridTypedAndEnterPressedResampleAGeographicRasterWithAWarning)
{
    fixtures::TRasterLayout layout = Slope();
    layout.nodata.reset();
    layout.value = [](int, int) { return 250; };
    layout.epsg = 4326;
    layout.geoTransform = {10, 0.001, 0, 50, 0, -0.001};
    const QString file = Written(layout);
    Import("Any raster GDAL reads (*)", file, [](QWidget& form) {
        TypeInto(*form.findChild<QSpinBox*>("ColumnsSpin"), "25");
        TypeInto(*form.findChild<QSpinBox*>("RowsSpin"), "20");
        ChooseItem(*form.findChild<QComboBox*>("ResamplingCombo"), "Nearest");
        ChooseItem(*form.findChild<QComboBox*>("MapUnitsCombo"), "Imperial");
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.front().startsWith("the raster is in degrees")) << messages.front().toStdString();
    EXPECT_EQ(Columns(), 25);
    EXPECT_EQ(Net().MapHeader.Rows, 20);
    EXPECT_EQ(Net().MapHeader.MapUnits, static_cast<std::int16_t>(MapUnits::Imperial));
    EXPECT_EQ(HeightAt(12, 10), 820) << "250 m in feet";
}

TEST_F(RasterExchangeCommandTest, ABandTheRasterLacksIsRefusedAndTheMapStays)
{
    const QString file = Written(Slope());
    Import("GeoTIFF or SRTM tile (*.tif *.hgt)", file, [](QWidget& form) {
        TypeInto(*form.findChild<QSpinBox*>("BandSpin"), "2");
        ClickButton(form, "OK");
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.front().startsWith("E0")) << messages.front().toStdString();
    EXPECT_EQ(Columns(), 51);
}

TEST_F(RasterExchangeCommandTest, TheGeoTiffExportReadsBackInTheLibraryAndImportsToTheSameHeights)
{
    Undulate();
    Net().Points()[7].Height = kNullHeight;
    const std::vector<TGridPoint> before = Net().Points();
    const double spacing = NodeSpacingMetres(Net().MapHeader);
    const QString file = folder.filePath("out.tif");
    Export("GeoTIFF 16-bit (*.tif)", file);
    EXPECT_TRUE(messages.empty());

    GDALAllRegister();
    {
        const GDALDatasetUniquePtr raster(GDALDataset::Open(file.toUtf8().constData(), GDAL_OF_RASTER));
        ASSERT_TRUE(raster);
        ASSERT_EQ(raster->GetRasterXSize(), 51);
        ASSERT_EQ(raster->GetRasterYSize(), 51);
        std::array<double, 6> transform{};
        raster->GetGeoTransform(transform.data());
        EXPECT_EQ(transform, (std::array<double, 6>{0, spacing, 0, 0, 0, -spacing}));
        GDALRasterBand& band = *raster->GetRasterBand(1);
        int hasNodata = 0;
        EXPECT_EQ(band.GetNoDataValue(&hasNodata), kNullHeight);
        EXPECT_TRUE(hasNodata);
        std::vector<std::int16_t> heights(51 * 51);
        ASSERT_EQ(band.RasterIO(GF_Read, 0, 0, 51, 51, heights.data(), 51, 51, GDT_Int16, 0, 0, nullptr), CE_None);
        for (std::size_t i = 0; i < heights.size(); ++i)
            ASSERT_EQ(heights[i], before[i].Height) << i;
    }

    Import("GeoTIFF or SRTM tile (*.tif *.hgt)", file, [](QWidget& form) { ClickButton(form, "OK"); });
    ASSERT_EQ(Columns(), 51);
    for (std::size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(Net().Points()[i].Height, before[i].Height) << i;
}

TEST_F(RasterExchangeCommandTest, TheGlbLoadsInTheGltfLibraryWithEveryNodeAndTheMapsExtent)
{
    Undulate();
    const double halfWidth = 25 * NodeSpacingMetres(Net().MapHeader);
    const QString file = folder.filePath("terrain.glb");
    Export("glTF mesh (*.glb *.gltf)", file);
    EXPECT_TRUE(messages.empty());

    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string error;
    std::string warning;
    ASSERT_TRUE(loader.LoadBinaryFromFile(&model, &error, &warning, file.toStdString())) << error;
    ASSERT_EQ(model.meshes.size(), 1u);
    const auto& primitive = model.meshes[0].primitives.at(0);
    const auto& positions = model.accessors.at(static_cast<std::size_t>(primitive.attributes.at("POSITION")));
    EXPECT_EQ(positions.count, 51u * 51u);
    EXPECT_EQ(model.accessors.at(static_cast<std::size_t>(primitive.indices)).count, 3u * 2u * 50u * 50u);
    EXPECT_EQ(positions.minValues, (std::vector<double>{-halfWidth, -20, -halfWidth}));
    EXPECT_EQ(positions.maxValues, (std::vector<double>{halfWidth, 76, halfWidth}));
}

}  // namespace
}  // namespace tarn::test
