#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"

#include "../common/TempPath.h"
#include "ExchangeTestSupport.h"
#include "model/Errors.h"

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogr_spatialref.h>

#include <array>
#include <filesystem>
#include <vector>

namespace tarn {
namespace {

namespace fs = std::filesystem;
using test::MakeGrid;
using test::UniqueTempPath;

// A 30 x 20 map with heights over the whole range a node holds, a null and
// the spacing given.
void MakeTerrain(TNet& net, MapUnits units, int spacing)
{
    MakeGrid(net, 30, 20, units, spacing);
    auto& points = net.Points();
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].Height = static_cast<std::int16_t>(static_cast<int>(i * 113 % 4000) - 999);
    points[0].Height = 32767;
    points[1].Height = -1000;
    points[45].Height = kNullHeight;
    net.UpdateSquares();
}

class GeoTiffFormat : public ::testing::Test {
protected:
    void TearDown() override { fs::remove(file); }

    void Export(const TNet& map, const TExportParameters& parameters = {})
    {
        NullProgress quiet;
        ExportFile(*FindFormat("geotiff"), map, file, parameters, quiet);
    }

    fs::path file = UniqueTempPath("export", ".tif");
};

TEST_F(GeoTiffFormat, TheLibraryReadsBackHeightsSizeNodataAndGeoreferencing)
{
    TNet net;
    MakeTerrain(net, MapUnits::Metric, 25);
    TExportParameters parameters;
    parameters.raster.originX = 500000;
    parameters.raster.originY = 4100000;
    parameters.raster.epsg = 32632;
    Export(net, parameters);

    GDALAllRegister();
    const GDALDatasetUniquePtr raster(GDALDataset::Open(file.c_str(), GDAL_OF_RASTER));
    ASSERT_TRUE(raster);
    EXPECT_STREQ(raster->GetDriver()->GetDescription(), "GTiff");
    ASSERT_EQ(raster->GetRasterXSize(), 30);
    ASSERT_EQ(raster->GetRasterYSize(), 20);
    ASSERT_EQ(raster->GetRasterCount(), 1);
    GDALRasterBand& band = *raster->GetRasterBand(1);
    EXPECT_EQ(band.GetRasterDataType(), GDT_Int16);
    int hasNodata = 0;
    EXPECT_EQ(band.GetNoDataValue(&hasNodata), -1001);
    EXPECT_TRUE(hasNodata);
    EXPECT_STREQ(band.GetUnitType(), "m");
    std::array<double, 6> transform{};
    raster->GetGeoTransform(transform.data());
    EXPECT_EQ(transform, (std::array<double, 6>{500000, 25, 0, 4100000, 0, -25}));
    ASSERT_NE(raster->GetSpatialRef(), nullptr);
    EXPECT_STREQ(raster->GetSpatialRef()->GetAuthorityCode(nullptr), "32632");

    std::vector<std::int16_t> heights(600);
    ASSERT_EQ(band.RasterIO(GF_Read, 0, 0, 30, 20, heights.data(), 30, 20, GDT_Int16, 0, 0, nullptr), CE_None);
    for (std::size_t i = 0; i < heights.size(); ++i)
        ASSERT_EQ(heights[i], net.Points()[i].Height) << i;
}

TEST_F(GeoTiffFormat, ExportThenImportGivesTheSameMapInEveryUnitSystem)
{
    for (const auto& [units, spacing] : {std::pair{MapUnits::Metric, 30}, std::pair{MapUnits::Imperial, 100},
                                        std::pair{MapUnits::MicroMetric, 2}}) {
        SCOPED_TRACE(static_cast<int>(units));
        TNet net;
        MakeTerrain(net, units, spacing);
        Export(net);
        TNet copy;
        TImportParameters parameters;
        parameters.raster.units = units;
        NullProgress quiet;
        std::vector<std::string> warnings;
        ASSERT_EQ(ImportFile(*FindFormat("gdal"), file, copy, parameters, quiet, warnings), ImportOutcome::Completed);
        EXPECT_TRUE(warnings.empty()) << warnings.front();
        EXPECT_EQ(copy.MapHeader.Columns, 30);
        EXPECT_EQ(copy.MapHeader.Rows, 20);
        EXPECT_EQ(copy.MapHeader.Spacing, spacing);
        EXPECT_EQ(copy.MapHeader.MapUnits, net.MapHeader.MapUnits);
        ASSERT_EQ(copy.Points().size(), net.Points().size());
        for (std::size_t i = 0; i < net.Points().size(); ++i)
            ASSERT_EQ(copy.Points()[i].Height, net.Points()[i].Height) << i;
    }
}

TEST_F(GeoTiffFormat, ACoordinateSystemInDegreesOrUnknownIsRefused)
{
    TNet net;
    MakeTerrain(net, MapUnits::Metric, 25);
    TExportParameters parameters;
    parameters.raster.epsg = 4326;
    try {
        Export(net, parameters);
        FAIL() << "exported in degrees";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), "E0157 Export needs a projected coordinate system: EPSG:4326 is not projected");
    }
    parameters.raster.epsg = 999999;
    EXPECT_THROW(Export(net, parameters), ETarnError);
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace tarn
