#include "TestMaps.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

namespace {

TGridSquare SquareAt(int meanHeight, int terrain = 0, int nullCorner = 0)
{
    TGridSquare square;
    square.MeanHeight = static_cast<std::int16_t>(meanHeight);
    square.Terrain = static_cast<std::int16_t>(terrain);
    square.NullCorner = static_cast<std::uint8_t>(nullCorner);
    return square;
}

void ExpectColour(const ColourRGBA& actual, float r, float g, float b, float a = 1)
{
    EXPECT_NEAR(actual.red, r, 1e-5);
    EXPECT_NEAR(actual.green, g, 1e-5);
    EXPECT_NEAR(actual.blue, b, 1e-5);
    EXPECT_NEAR(actual.alpha, a, 1e-5);
}

class NetColours : public ::testing::Test {
protected:
    void SetUp() override { MakeMap(net, 20, 20); }
    TNet net;
};

}  // namespace

TEST_F(NetColours, VistaSnowBandBlendsThroughTheSnowColours)
{
    auto& h = net.MapHeader;
    h.TreeLine = 40;
    h.SnowLine = 75;
    h.MinHeight = 0;
    h.MaxHeight = 1000;
    h.VistaColours[10] = RGB(100, 150, 200);
    h.VistaColours[11] = RGB(200, 250, 0);

    // 900 lies in the snow band from 750: step 62.5, q = 2.4, index 10, 40 % on to Snow4.
    const auto at900 = net.VistaColour(SquareAt(900), false);
    EXPECT_EQ(net.VistaLowerLevel(), 400);
    EXPECT_EQ(net.VistaUpperLevel(), 750);
    EXPECT_EQ(net.VistaIndex(), 10);
    ExpectColour(at900, (100 + 100 * 0.4f) / 255, (150 + 100 * 0.4f) / 255, (200 - 200 * 0.4f) / 255);

    ExpectColour(net.VistaColour(SquareAt(1000), false), 200 / 255.f, 250 / 255.f, 0);
    // Below the lowest height no colour of the table can be formed.
    ExpectColour(net.VistaColour(SquareAt(-200), false), 0, 0, 0, 1);
}

TEST_F(NetColours, VistaLowerBandStartsAtTheFirstTreeColour)
{
    auto& h = net.MapHeader;
    h.TreeLine = 40;
    h.SnowLine = 75;
    h.MaxHeight = 1000;
    h.MinHeight = 0;
    h.VistaColours[0] = RGB(0, 0, 0);
    h.VistaColours[1] = RGB(100, 100, 100);
    // Band 0..400, step 100: 50 is half way from Tree1 to Tree2.
    ExpectColour(net.VistaColour(SquareAt(50), false), 50 / 255.f, 50 / 255.f, 50 / 255.f);
    EXPECT_EQ(net.VistaIndex(), 0);
    // 401 is in the middle band, which starts at Bare1 (index 4).
    net.VistaColour(SquareAt(401), false);
    EXPECT_EQ(net.VistaIndex(), 4);
}

TEST_F(NetColours, FlatMapHasNoGradientAndWhiteVista)
{
    net.MapHeader.MaxHeight = 300;
    net.MapHeader.MinHeight = 300;
    ExpectColour(net.GradientColour(SquareAt(300), false, false), 0, 0, 0, 0);
    ExpectColour(net.VistaColour(SquareAt(300), false), 1, 1, 1);
}

TEST_F(NetColours, GradientBlendsNeighbouringTableEntries)
{
    auto& h = net.MapHeader;
    h.MinHeight = 0;
    h.MaxHeight = 1800;
    h.GradientColours[3] = RGB(0, 100, 200);
    h.GradientColours[4] = RGB(255, 0, 100);
    // f = 350 / 1800 * 18 = 3.5: half of entry 3 and half of entry 4.
    ExpectColour(net.GradientColour(SquareAt(350), false, false), 127.5f / 255, 50 / 255.f, 150 / 255.f);
    // The new-map table's first entry is pure blue.
    ExpectColour(net.GradientColour(SquareAt(0), false, false), 0, 0, 1);
}

TEST_F(NetColours, NullSquaresAreGreyAndTerrainsKeepTheirColour)
{
    auto& h = net.MapHeader;
    h.TerrainColours[2] = RGB(0, 255, 0);
    ExpectColour(net.PlainColour(SquareAt(10, 2, 1)), 0.7f, 0.7f, 0.7f);
    ExpectColour(net.GradientColour(SquareAt(10, 2, 1), false, false), 0.7f, 0.7f, 0.7f);
    ExpectColour(net.PlainColour(SquareAt(10, 0)), 0, 0.7f, 0);
    ExpectColour(net.PlainColour(SquareAt(10, 2)), 0, 1, 0);
    ExpectColour(net.GradientColour(SquareAt(10, 2), false, false), 0, 1, 0);
    // With terrains switched off the gradient shows through.
    ExpectColour(net.GradientColour(SquareAt(0, 2), true, false), 0, 0, 1);
}

TEST_F(NetColours, SquareColourPicksTheScheme)
{
    auto& h = net.MapHeader;
    h.TerrainColours[3] = RGB(255, 0, 0);
    const auto forest = SquareAt(0, 3);
    ExpectColour(net.SquareColour(forest, kSchemePlain), 1, 0, 0);
    ExpectColour(net.SquareColour(forest, kSchemeOverlay), 1, 1, 1);
    ExpectColour(net.SquareColour(forest, 7), 0, 0, 0, 0);

    h.DrawTerrains = 1;
    ExpectColour(net.SquareColour(forest, kSchemeGradients), 1, 0, 0);
    h.DrawTerrains = 0;
    ExpectColour(net.SquareColour(forest, kSchemeGradients), 0, 0, 1);
}

TEST_F(NetColours, GroundUnderActorsIsColouredAsIfItHadNoTerrain)
{
    auto& h = net.MapHeader;
    h.TerrainColours[3] = RGB(255, 0, 0);
    h.DrawTerrains = 1;
    auto& actor = h.TerrainActors[3];
    actor.DrawActor = 1;
    actor.ActorGroundFlag = 1;
    actor.StandardTerrain = 1;
    const auto square = SquareAt(0, 3);
    ExpectColour(net.SquareColour(square, kSchemeGradients), 1, 0, 0);  // actors not drawn
    h.DrawAllActors = 1;
    ExpectColour(net.SquareColour(square, kSchemeGradients), 0, 0, 1);
    actor.StandardTerrain = 0;
    ExpectColour(net.SquareColour(square, kSchemeGradients), 1, 0, 0);
}

TEST(Colour, ConvertsBetweenWindowsValuesAndDrawingColours)
{
    const auto rgba = ToRGBA(RGB(255, 128, 0));
    EXPECT_FLOAT_EQ(rgba.red, 1);
    EXPECT_FLOAT_EQ(rgba.green, 128 / 255.f);
    EXPECT_FLOAT_EQ(rgba.alpha, 1);
    EXPECT_EQ(FromRGBA(rgba), RGB(255, 128, 0));
    EXPECT_EQ(FromRGBA({0.999f, 0.5f, 0, 1}), RGB(254, 127, 0));  // truncated
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
}
