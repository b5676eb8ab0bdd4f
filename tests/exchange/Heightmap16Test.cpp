#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "exchange/Heightmap16.h"

#include "../common/TempPath.h"
#include "ExchangeTestSupport.h"

#include <gdal_priv.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tarn {
namespace {

namespace fs = std::filesystem;
using test::MakeGrid;
using test::UniqueTempPath;

// A 30 x 20 map whose heights run from 100 to 600, with a null node.
void MakeSlope(TNet& net)
{
    MakeGrid(net, 30, 20, MapUnits::Metric, 25);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(100 + i * 500 / 599);
    net.Points()[31].Height = kNullHeight;
    net.MapHeader.MinHeight = 100;
    net.MapHeader.MaxHeight = 600;
    net.UpdateSquares();
}

TEST(Heightmap16, HeightsScaleFromTheMapsRangeWithNullAsZero)
{
    TNet net;
    MakeSlope(net);
    net.Points()[2].Height = 700;  // above MaxHeight
    const auto heightmap = MakeHeightmap16(net, false);
    ASSERT_EQ(heightmap.columns, 30);
    ASSERT_EQ(heightmap.rows, 20);
    EXPECT_EQ(heightmap.values[0], 0);       // MinHeight
    EXPECT_EQ(heightmap.values[599], 65535);  // MaxHeight
    EXPECT_EQ(heightmap.values[2], 65535);
    EXPECT_EQ(heightmap.values[31], 0);
    EXPECT_EQ(heightmap.values[300], 32768);  // 350 is half way: 32767.5, to even

    net.MapHeader.MaxHeight = net.MapHeader.MinHeight;  // a flat map gives zeros, not a division by zero
    EXPECT_EQ(MakeHeightmap16(net, false).values[300], 0);
}

TEST(Heightmap16, SquareHeightmapsPadOrCropToTheNearestEngineSize)
{
    EXPECT_EQ(NearestEngineSide(2), 3);
    EXPECT_EQ(NearestEngineSide(30), 33);
    EXPECT_EQ(NearestEngineSide(500), 513);
    EXPECT_EQ(NearestEngineSide(385), 513);  // as near to 257 as to 513: the larger
    EXPECT_EQ(NearestEngineSide(384), 257);

    TNet net;
    MakeSlope(net);
    const auto padded = MakeHeightmap16(net, true);
    ASSERT_EQ(padded.columns, 33);
    ASSERT_EQ(padded.rows, 33);
    EXPECT_EQ(padded.values[33 + 29], MakeHeightmap16(net, false).values[30 + 29]);
    EXPECT_EQ(padded.values[33 + 30], 0);
    EXPECT_EQ(padded.values[33 * 32], 0);

    TNet wide;
    MakeGrid(wide, 40, 20);
    const auto cropped = MakeHeightmap16(wide, true);
    EXPECT_EQ(cropped.columns, 33);
    EXPECT_EQ(cropped.values.size(), 33u * 33u);
}

class Heightmap16Files : public ::testing::Test {
protected:
    void TearDown() override
    {
        fs::remove(file);
        fs::remove(HeightmapSidePath(file));
    }
    std::string Read(const fs::path& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Export(const char* format, const TNet& net, bool square = false)
    {
        TExportParameters parameters;
        parameters.raster.square = square;
        NullProgress quiet;
        ExportFile(*FindFormat(format), net, file, parameters, quiet);
    }
    fs::path file = UniqueTempPath("heightmap", ".png");
};

TEST_F(Heightmap16Files, ThePngIsReadBackAsSixteenBitsWithItsSideFile)
{
    TNet net;
    MakeSlope(net);
    Export("png16", net);
    GDALAllRegister();
    const GDALDatasetUniquePtr png(GDALDataset::Open(file.c_str(), GDAL_OF_RASTER));
    ASSERT_TRUE(png);
    EXPECT_STREQ(png->GetDriver()->GetDescription(), "PNG");
    ASSERT_EQ(png->GetRasterXSize(), 30);
    ASSERT_EQ(png->GetRasterYSize(), 20);
    GDALRasterBand& band = *png->GetRasterBand(1);
    EXPECT_EQ(band.GetRasterDataType(), GDT_UInt16);
    std::vector<std::uint16_t> values(600);
    ASSERT_EQ(band.RasterIO(GF_Read, 0, 0, 30, 20, values.data(), 30, 20, GDT_UInt16, 0, 0, nullptr), CE_None);
    EXPECT_EQ(values, MakeHeightmap16(net, false).values);

    EXPECT_EQ(Read(HeightmapSidePath(file)), "{\n"
                                             "  \"columns\": 30,\n"
                                             "  \"rows\": 20,\n"
                                             "  \"spacingMetres\": 25,\n"
                                             "  \"widthMetres\": 725,\n"
                                             "  \"depthMetres\": 475,\n"
                                             "  \"value0Metres\": 100,\n"
                                             "  \"value65535Metres\": 600,\n"
                                             "  \"nullValue\": 0\n"
                                             "}\n");
}

TEST_F(Heightmap16Files, TheRawFileIsLittleEndianWithoutAHeader)
{
    file.replace_extension(".raw");
    TNet net;
    MakeGrid(net, 30, 20, MapUnits::Imperial, 100);
    net.Points()[0].Height = 1000;  // MaxHeight
    net.Points()[1].Height = 500;
    Export("raw16", net, true);
    const std::string bytes = Read(file);
    ASSERT_EQ(bytes.size(), 33u * 33u * 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0x00);  // 32768
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0x80);
    const std::string side = Read(HeightmapSidePath(file));
    EXPECT_NE(side.find("\"columns\": 33,"), std::string::npos) << side;
    EXPECT_NE(side.find("\"spacingMetres\": 30.48,"), std::string::npos) << side;
    EXPECT_NE(side.find("\"value65535Metres\": 304.8,"), std::string::npos) << side;
}

}  // namespace
}  // namespace tarn
