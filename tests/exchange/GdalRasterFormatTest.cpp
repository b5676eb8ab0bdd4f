#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"

#include "../common/TempPath.h"
#include "ExchangeTestSupport.h"
#include "fixtures/GdalRaster.h"
#include "model/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace tarn {
namespace {

namespace fs = std::filesystem;
using fixtures::TRasterLayout;
using fixtures::WriteRaster;
using test::HeightAt;
using test::UniqueTempPath;

const TFormatDriver& Gdal() { return *FindFormat("gdal"); }

class GdalRasterFormat : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const auto& file : files)
            fs::remove_all(file);
    }

    fs::path Written(const TRasterLayout& layout, const std::string& extension = ".tif")
    {
        auto file = UniqueTempPath("raster", extension);
        files.push_back(file);
        WriteRaster(file, layout);
        return file;
    }

    ImportOutcome Import(const fs::path& file, const TImportParameters& parameters = {})
    {
        NullProgress quiet;
        warnings.clear();
        return ImportFile(Gdal(), file, net, parameters, quiet, warnings);
    }

    std::string ImportError(const fs::path& file, const TImportParameters& parameters = {})
    {
        try {
            Import(file, parameters);
        } catch (const ETarnError& error) {
            return error.what();
        }
        return {};
    }

    std::vector<fs::path> files;
    std::vector<std::string> warnings;
    TNet net;
};

// Heights of a tilted plane with a bump, in tenths so that rounding shows.
double Terrain(int c, int r) { return 250.3 + 3.1 * c - 1.7 * r + 40 * std::sin(c * 0.3) * std::cos(r * 0.2); }

TEST_F(GdalRasterFormat, AProjectedGeoTiffImportsNodeForNode)
{
    TRasterLayout layout;
    layout.value = [](int c, int r) { return c == 7 && r == 4 ? -9999.0 : Terrain(c, r); };
    layout.nodata = -9999;
    const auto file = Written(layout);
    ASSERT_EQ(Import(file), ImportOutcome::Completed);
    EXPECT_TRUE(warnings.empty());
    const auto& h = net.MapHeader;
    ASSERT_EQ(h.Columns, 30);
    ASSERT_EQ(h.Rows, 20);
    EXPECT_EQ(h.Spacing, 25);
    EXPECT_EQ(h.MapUnits, static_cast<std::int16_t>(MapUnits::Metric));
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 30; ++c) {
            const int expected = c == 7 && r == 4 ? kNullHeight : static_cast<int>(std::nearbyint(Terrain(c, r)));
            ASSERT_EQ(net.GetPoint(r * 30 + c + 1)->Height, expected) << c << "," << r;
        }
}

TEST_F(GdalRasterFormat, ASouthUpRasterInFeetIsTurnedNorthUpAndConverted)
{
    TRasterLayout layout;
    layout.geoTransform = {0, 10, 0, 0, 0, 10};  // rows from the south
    layout.epsg = 0;
    layout.unit = "ft";
    layout.value = [](int c, int r) { return 1000.0 * (r + 1) + c; };
    const auto file = Written(layout);
    ASSERT_EQ(Import(file), ImportOutcome::Completed);
    // The raster's first row is the map's southern one.
    EXPECT_EQ(HeightAt(net, 1, 1), 305);   // 1000 ft
    EXPECT_EQ(HeightAt(net, 1, 20), 6096);  // 20000 ft
    EXPECT_EQ(net.MapHeader.Spacing, 10);
}

TEST_F(GdalRasterFormat, AnSrtmTileInDegreesImportsWithinTheAveragingError)
{
    // A one-degree tile at 45..46 north, written by the library's own HGT
    // writer; heights a plane in latitude and longitude with a void.
    const auto folder = UniqueTempPath("hgt");
    files.push_back(folder);
    fs::create_directories(folder);
    const auto file = folder / "N45E006.hgt";
    TRasterLayout layout;
    layout.driver = "SRTMHGT";
    layout.columns = layout.rows = 1201;
    layout.floatValues = false;
    layout.epsg = 4326;
    const double pixel = 1.0 / 1200;
    layout.geoTransform = {6 - pixel / 2, pixel, 0, 46 + pixel / 2, 0, -pixel};
    const auto height = [](double c, double r) { return 500 + 0.5 * c + 0.25 * r; };
    layout.value = [&](int c, int r) { return c < 100 && r < 100 ? -32768.0 : height(c, r); };
    WriteRaster(file, layout);

    ASSERT_EQ(Import(file), ImportOutcome::Completed);
    const auto& h = net.MapHeader;
    // At 45.5 degrees a pixel is about 65 m wide and 93 m tall: the grid
    // keeps the ground's shape within the map's limit.
    EXPECT_LE(h.Columns * h.Rows, 250000);
    EXPECT_NEAR(static_cast<double>(h.Columns) / h.Rows, 0.7, 0.01);
    EXPECT_NEAR(h.Spacing, 1201 * 92.6 / h.Rows, 1);
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings[0].find("in degrees"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("45.5"), std::string::npos) << warnings[0];
    // Each node is the average of its block of pixels: the plane at the
    // block's centre, off by at most the rounding.
    const double across = 1201.0 / h.Columns;
    const double down = 1201.0 / h.Rows;
    for (int r = 0; r < h.Rows; r += 7)
        for (int c = 0; c < h.Columns; c += 5) {
            const int node = net.GetPoint(r * h.Columns + c + 1)->Height;
            if ((c + 1) * across <= 100 && (r + 1) * down <= 100) {
                ASSERT_EQ(node, kNullHeight) << c << "," << r;
                continue;
            }
            if (c * across < 100 && r * down < 100)
                continue;  // partly void: the average of what is there
            ASSERT_NEAR(node, height((c + 0.5) * across - 0.5, (r + 0.5) * down - 0.5), 1.0) << c << "," << r;
        }
}

TEST_F(GdalRasterFormat, ResamplingChoicesShowInTheHeights)
{
    TRasterLayout stripes;
    stripes.columns = stripes.rows = 40;
    stripes.value = [](int c, int) { return c % 2 == 0 ? 100.0 : 0.0; };
    const auto file = Written(stripes);
    TImportParameters parameters;
    parameters.raster.columns = parameters.raster.rows = 20;
    ASSERT_EQ(Import(file, parameters), ImportOutcome::Completed);
    EXPECT_EQ(HeightAt(net, 3, 3), 50);
    EXPECT_EQ(HeightAt(net, 20, 20), 50);
    EXPECT_EQ(net.MapHeader.Spacing, 50);

    parameters.raster.resampling = RasterResampling::Nearest;
    ASSERT_EQ(Import(file, parameters), ImportOutcome::Completed);
    for (int c = 1; c <= 20; ++c)
        EXPECT_TRUE(HeightAt(net, c, 5) == 0 || HeightAt(net, c, 5) == 100) << HeightAt(net, c, 5);

    parameters.raster.step = 2;
    parameters.raster.columns = parameters.raster.rows = 0;
    parameters.raster.resampling = RasterResampling::Average;
    ASSERT_EQ(Import(file, parameters), ImportOutcome::Completed);
    EXPECT_EQ(net.MapHeader.Columns, 20);
    EXPECT_EQ(HeightAt(net, 7, 7), 50);
}

TEST_F(GdalRasterFormat, AnEsriGridWithItsSideFileIsReadByName)
{
    TRasterLayout grid;
    grid.driver = "AAIGrid";
    grid.epsg = 0;
    grid.floatValues = false;
    grid.geoTransform = {1000, 10, 0, 2000, 0, -10};
    const auto file = Written(grid, ".asc");
    ASSERT_EQ(Import(file), ImportOutcome::Completed);
    EXPECT_EQ(net.MapHeader.Spacing, 10);
    EXPECT_EQ(HeightAt(net, 1, 20), 100);
    EXPECT_EQ(HeightAt(net, 30, 1), 100 + 3 * 29 + 2 * 19);
}

TEST_F(GdalRasterFormat, SeveralBandsNeedAChoice)
{
    TRasterLayout picture;
    picture.bands = 3;
    picture.value = [](int c, int) { return static_cast<double>(c); };
    const auto file = Written(picture);
    EXPECT_EQ(ImportError(file), "E0151 Raster has several bands: choose the band to import: it has 3");
    TImportParameters parameters;
    parameters.raster.band = 4;
    EXPECT_EQ(ImportError(file, parameters), "E0152 Raster has no band of that number: it has 3 bands");
    parameters.raster.band = 2;
    EXPECT_EQ(Import(file, parameters), ImportOutcome::Completed);
    EXPECT_EQ(HeightAt(net, 10, 3), 9);
}

TEST_F(GdalRasterFormat, BadRastersAreRefusedWithClearMessages)
{
    TRasterLayout dot;
    dot.columns = dot.rows = 1;
    EXPECT_EQ(ImportError(Written(dot)).substr(0, 41), "E0153 Raster is too small to make a map: ");

    TRasterLayout rotated;
    rotated.geoTransform = {500000, 25, 3, 4000000, 2, -25};
    EXPECT_EQ(ImportError(Written(rotated)),
              "E0154 Raster is rotated or sheared: only north-up rasters can be imported");

    // A GeoTIFF cut short: its strips point past the end of the file.
    TRasterLayout whole;
    whole.columns = whole.rows = 200;
    const auto full = Written(whole);
    const auto cut = UniqueTempPath("cut", ".tif");
    files.push_back(cut);
    fs::copy_file(full, cut);
    fs::resize_file(cut, fs::file_size(full) / 2);
    const std::string truncated = ImportError(cut);
    EXPECT_EQ(truncated.substr(0, 27), "E0150 Raster cannot be read") << truncated;
    EXPECT_GT(truncated.size(), 29u) << "the library's own reason follows";

    const auto text = UniqueTempPath("words", ".tif");
    files.push_back(text);
    std::ofstream(text) << "not a raster at all";
    EXPECT_EQ(ImportError(text).substr(0, 29), "E0150 Raster cannot be read: ");
}

TEST_F(GdalRasterFormat, AGeoTiffIsReadFromAStreamToo)
{
    const auto file = Written({});
    std::ifstream in(file, std::ios::binary);
    NullProgress quiet;
    ASSERT_EQ(Gdal().Read(in, net, {}, quiet), ImportOutcome::Completed);
    EXPECT_EQ(HeightAt(net, 1, 20), 100);
    EXPECT_EQ(test::IdentifyText(Gdal(), std::string_view("II*\0rest", 8)), FileVerdict::Mine);
    EXPECT_EQ(test::IdentifyText(Gdal(), "ncols 3"), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
