// tarntool import gdal and the raster and mesh exports as a user runs them.
#include "fixtures/GdalRaster.h"
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "ToolRun.h"

#include <gdal_priv.h>
#include <gtest/gtest.h>

#include <array>

using namespace tarn;
using namespace tarn::test;

namespace {

TNet Load(const fs::path& file)
{
    TNet net;
    NullProgress quiet;
    EXPECT_TRUE(LoadLemFile(file, net, quiet)) << file;
    return net;
}

// An 800 x 500 GeoTIFF of 25 m pixels: too many for one map.
void WriteLargeRaster(const fs::path& file)
{
    fixtures::TRasterLayout layout;
    layout.columns = 800;
    layout.rows = 500;
    layout.value = [](int c, int r) { return 200 + c - r * 0.5; };
    fixtures::WriteRaster(file, layout);
}

}  // namespace

TEST_F(Tarntool, FormatsListsTheRasterFormatsOfTheInstalledGdal)
{
    const auto run = RunTool("formats");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("gdal       yes   -     .tif .tiff .hgt .asc Any raster GDAL reads"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("geotiff    -     yes   .tif .tiff"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("  GTiff: GeoTIFF (tif tiff)"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("  SRTMHGT: SRTMHGT File Format (hgt)"), std::string::npos) << run.output;
}

TEST_F(Tarntool, ImportGdalShrinksALargeRasterOrTakesTheGridAsked)
{
    WriteLargeRaster(folder / "big.tif");
    auto run = RunTool("import gdal " + In("big.tif") + " -o " + In("default.lem"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
    const TNet shrunk = Load(folder / "default.lem");
    EXPECT_EQ(shrunk.MapHeader.Columns, 632);
    EXPECT_EQ(shrunk.MapHeader.Rows, 395);
    EXPECT_EQ(shrunk.MapHeader.Spacing, 32);  // 31.65 m

    run = RunTool("import gdal " + In("big.tif") + " --size 400x250 --resample bilinear -o " + In("sized.lem"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const TNet sized = Load(folder / "sized.lem");
    EXPECT_EQ(sized.MapHeader.Columns, 400);
    EXPECT_EQ(sized.MapHeader.Rows, 250);
    EXPECT_EQ(sized.MapHeader.Spacing, 50);

    run = RunTool("import gdal " + In("big.tif") + " --step 3 --units imperial -o " + In("stepped.lem"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const TNet stepped = Load(folder / "stepped.lem");
    EXPECT_EQ(stepped.MapHeader.Columns, 267);
    EXPECT_EQ(stepped.MapHeader.Rows, 167);
    EXPECT_EQ(stepped.MapHeader.Spacing, 246);  // 74.9 m
    EXPECT_EQ(stepped.MapHeader.MapUnits, static_cast<int>(MapUnits::Imperial));
}

TEST_F(Tarntool, ImportGdalRefusalsAndWarningsAreShown)
{
    fixtures::TRasterLayout picture;
    picture.bands = 3;
    fixtures::WriteRaster(folder / "rgb.tif", picture);
    auto run = RunTool("import gdal " + In("rgb.tif") + " -o " + In("m.lem"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("E0151 Raster has several bands: choose the band to import: it has 3"),
              std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(folder / "m.lem"));
    EXPECT_EQ(RunTool("import gdal " + In("rgb.tif") + " --band 3 -o " + In("m.lem")).exitCode, 0);
    fixtures::WriteRaster(folder / "one.tif", {});
    run = RunTool("import gdal " + In("one.tif") + " --band 2 -o " + In("m.lem"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("E0152 Raster has no band of that number: it has 1 band\n"), std::string::npos)
        << run.output;

    fixtures::TRasterLayout degrees;
    degrees.epsg = 4326;
    degrees.geoTransform = {6, 0.001, 0, 46, 0, -0.001};
    degrees.value = [](int c, int) { return c == 0 ? 50000.0 : 10.0; };
    fixtures::WriteRaster(folder / "deg.tif", degrees);
    run = RunTool("import gdal " + In("deg.tif") + " -o " + In("d.lem"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("tarntool import: warning: the raster is in degrees;"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(" heights lay beyond what a map node holds and were clamped"), std::string::npos)
        << run.output;

    EXPECT_EQ(RunTool("import gdal " + In("deg.tif") + " --size 20 -o " + In("d.lem")).exitCode, 2);
    EXPECT_EQ(RunTool("import gdal " + In("deg.tif") + " --size 20x20 --step 2 -o " + In("d.lem")).exitCode, 2);
    EXPECT_EQ(RunTool("import gdal " + In("deg.tif") + " --resample cubic -o " + In("d.lem")).exitCode, 2);
}

TEST_F(Tarntool, ExportGeotiffPlacesTheMapWhereAskedAndImportsBackTheSame)
{
    WriteLargeRaster(folder / "big.tif");
    ASSERT_EQ(RunTool("import gdal " + In("big.tif") + " --size 400x250 -o " + In("map.lem")).exitCode, 0);
    auto run = RunTool("export geotiff " + In("map.lem") + " " + In("out.tif") +
                       " --origin 500000,4100000 --srs EPSG:32632");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    GDALAllRegister();
    {
        const GDALDatasetUniquePtr raster(GDALDataset::Open((folder / "out.tif").c_str(), GDAL_OF_RASTER));
        ASSERT_TRUE(raster);
        std::array<double, 6> transform{};
        raster->GetGeoTransform(transform.data());
        EXPECT_EQ(transform, (std::array<double, 6>{500000, 50, 0, 4100000, 0, -50}));
    }
    ASSERT_EQ(RunTool("import gdal " + In("out.tif") + " -o " + In("back.lem")).exitCode, 0);
    const TNet map = Load(folder / "map.lem");
    const TNet back = Load(folder / "back.lem");
    ASSERT_EQ(back.Points().size(), map.Points().size());
    for (std::size_t i = 0; i < map.Points().size(); ++i)
        ASSERT_EQ(back.Points()[i].Height, map.Points()[i].Height) << i;

    EXPECT_EQ(RunTool("export geotiff " + In("map.lem") + " " + In("o.tif") + " --srs 4326").exitCode, 2);
    run = RunTool("export geotiff " + In("map.lem") + " " + In("o.tif") + " --srs EPSG:4326");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("E0157 Export needs a projected coordinate system"), std::string::npos) << run.output;
}

TEST_F(Tarntool, ExportMeshesAndHeightmapsWithTheirSideFiles)
{
    WriteLargeRaster(folder / "big.tif");
    ASSERT_EQ(RunTool("import gdal " + In("big.tif") + " --size 100x80 -o " + In("map.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("export png16 " + In("map.lem") + " " + In("h.png") + " --square").exitCode, 0);
    EXPECT_TRUE(fs::exists(folder / "h.json"));
    ASSERT_EQ(RunTool("export raw16 " + In("map.lem") + " " + In("h.raw")).exitCode, 0);
    EXPECT_EQ(fs::file_size(folder / "h.raw"), 100u * 80u * 2u);
    ASSERT_EQ(RunTool("export obj " + In("map.lem") + " " + In("t.obj")).exitCode, 0);
    EXPECT_TRUE(fs::exists(folder / "t.mtl"));
    auto run = RunTool("export gltf " + In("map.lem") + " " + In("t.glb") + " --polygons 500 --tolerance 2");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ReadAll(folder / "t.glb").substr(0, 4), "glTF");
    run = RunTool("export gltf " + In("map.lem") + " " + In("t.glb") + " --texture " + In("missing.bmp"));
    EXPECT_NE(run.exitCode, 0);
}
