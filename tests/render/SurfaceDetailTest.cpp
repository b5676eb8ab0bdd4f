// Surface detail: levels of detail, displacement, waves, and the slope and
// water colour effects.
#include "RenderFixture.h"

#include "analysis/noise/Noise.h"
#include "viewer/render/ReliefNoise.h"
#include "viewer/render/SurfaceEffects.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace tarn::test {
namespace {

TEST(SurfaceDetail, TheSizeOnScreenChoosesTheDepthCappedByTheFractalDepth)
{
    EXPECT_EQ(TViewNet::DetailLevel(4, 9), 0);
    EXPECT_EQ(TViewNet::DetailLevel(8.9, 9), 1);
    EXPECT_EQ(TViewNet::DetailLevel(9, 9), 2);
    EXPECT_EQ(TViewNet::DetailLevel(64, 9), 4);
    EXPECT_EQ(TViewNet::DetailLevel(200, 9), 6) << "at most 128 x 128 sub-squares";
    EXPECT_EQ(TViewNet::DetailLevel(200, 3), 3);
}

TEST(SurfaceDetail, ScreenSizeIsZeroOffScreenAndGrowsAsTheSquareComesCloser)
{
    TViewNet net;
    MakeFlatMap(net);
    TOffscreenContext context(160, 120);
    net.InitContext();
    net.SetViewSize(160, 120);
    net.DrawScene(0, 0, nullptr);  // camera and projection in place

    const int centreSquare = 10 * 20 + 10 + 1;
    const double near = net.ScreenSize(net.SquareCorners(centreSquare));
    EXPECT_GT(near, 2);
    net.MapHeader.CameraPos = {0, -1200, 900};
    net.DrawScene(0, 0, nullptr);
    const double far = net.ScreenSize(net.SquareCorners(centreSquare));
    EXPECT_GT(far, 0);
    EXPECT_LT(far, near);
    // Turned away from the map, nothing is on screen.
    net.MapHeader.TargetPos = {0, -3000, 300};
    net.DrawScene(0, 0, nullptr);
    EXPECT_EQ(net.ScreenSize(net.SquareCorners(centreSquare)), 0);
}

// The size on screen as feedback mode measures it: the quad's triangles in
// both windings drawn with the view widened by 15 degrees, the polygons
// that come back (clipped) boxed.
double FeedbackSize(TViewNet& net, const std::array<TMapPoint, 4>& corners)
{
    std::array<GLfloat, 64> buffer{};
    glFeedbackBuffer(64, GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    net.SetProjection(true, net.ViewWidth(), 15, net.ViewHeight());
    glBegin(GL_TRIANGLES);
    for (const int k : {0, 1, 2, 0, 2, 1, 1, 2, 3, 1, 3, 2}) {
        const auto p = net.ScenePosition(corners[static_cast<std::size_t>(k)]);
        glVertex3d(p[0], p[1], p[2]);
    }
    glEnd();
    const int count = std::min(glRenderMode(GL_RENDER), 64);
    net.SetProjection(true, net.ViewWidth(), 0, net.ViewHeight());
    bool visible = false;
    double minX = 1e30, maxX = -1e30, minY = 1e30, maxY = -1e30;
    for (int i = 0; i + 1 < count && buffer[static_cast<std::size_t>(i)] == GL_POLYGON_TOKEN;) {
        const int vertices = static_cast<int>(buffer[static_cast<std::size_t>(i + 1)]);
        i += 2;
        for (int v = 0; v < vertices; ++v, i += 2) {
            const double x = buffer[static_cast<std::size_t>(i)], y = buffer[static_cast<std::size_t>(i + 1)];
            visible = visible || (x >= 0 && x <= net.ViewWidth() && y >= 0 && y <= net.ViewHeight());
            minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    return visible ? 1.415 * std::max(maxX - minX, maxY - minY) : 0;
}

TEST(SurfaceDetail, TheSizeOnScreenAgreesWithFeedbackModeInAndOutOfView)
{
    TViewNet net;
    MakeFlatMap(net);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(300 * std::sin(i * 0.37));
    TOffscreenContext context(160, 120);
    net.InitContext();
    net.SetViewSize(160, 120);
    // From afar, from within the map (squares behind, beside and under the
    // camera), and looking along the ground.
    for (const auto& [camera, target] : {std::pair<std::array<double, 3>, std::array<double, 3>>{{0, -400, 300}, {0, 0, 0}},
                                         {{50, -20, 120}, {300, 400, -100}},
                                         {{-480, -480, 10}, {500, 500, 0}}}) {
        net.MapHeader.CameraPos = camera;
        net.MapHeader.TargetPos = target;
        net.DrawScene(0, 0, nullptr);
        int visible = 0;
        for (int index = 1; index <= net.SquareCount(); ++index) {
            const auto corners = net.SquareCorners(index);
            const double expected = FeedbackSize(net, corners);
            EXPECT_NEAR(net.ScreenSize(corners), expected, 1e-3 + expected * 1e-5) << "square " << index;
            visible += expected > 0 ? 1 : 0;
        }
        EXPECT_GT(visible, 20);
    }
}

class Displacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeFlatMap(net_);
        auto& h = net_.MapHeader;
        h.FractValues.fill(0);
        h.FractValues[0] = 80;
        h.PlaneSeeds = {11, 22, 33, 100, 100, 100};
    }
    TViewNet net_;
};

TEST_F(Displacement, NeighbouringSquaresDisplaceTheirSharedEdgeAlike)
{
    const int west = 5 * 20 + 5;
    const int east = west + 1;
    // Different relief on the far sides of the two squares.
    net_.GetSquare(west - 1)->Terrain = 3;
    net_.MapHeader.FractValues[3] = 300;
    const auto westCorners = net_.SquareCorners(west);
    const auto eastCorners = net_.SquareCorners(east);
    const TColourRecord westRecord = net_.BuildColourRecord(west);
    const TColourRecord eastRecord = net_.BuildColourRecord(east);
    for (const double t : {0.0, 0.25, 0.5, 1.0}) {
        // A point of the shared edge: west's north-east to south-east side.
        const double x = westCorners[1].x;
        const double y = westCorners[1].y + (westCorners[2].y - westCorners[1].y) * t;
        double w1 = 0, w2 = 0;
        EXPECT_DOUBLE_EQ(net_.Displacement(x, y, westRecord, westCorners, w1),
                         net_.Displacement(x, y, eastRecord, eastCorners, w2))
            << t;
    }
}

TEST_F(Displacement, NoiseKeptPerNodeAndEdgeIsTheNoiseOfThePointItself)
{
    // Squares meet their neighbours' corners and midpoints from every side,
    // in the order a pass walks them, south to north.
    TSquareNoise kept;
    kept.Prepare(net_);
    const int squareColumns = net_.MapHeader.Columns - 1;
    for (int row = squareColumns - 1; row >= 0; --row)
        for (int column = 0; column < squareColumns; ++column) {
            const int index = row * squareColumns + column + 1;
            const auto corners = net_.SquareCorners(index);
            const std::array<TMapPoint, 9> lattice{
                corners[0], {(corners[0].x + corners[1].x) * 0.5, corners[0].y, 0}, corners[1],
                {corners[0].x, (corners[0].y + corners[3].y) * 0.5, 0},
                {(corners[0].x + corners[1].x) * 0.5, (corners[0].y + corners[3].y) * 0.5, 0},
                {corners[1].x, (corners[1].y + corners[2].y) * 0.5, 0}, corners[3],
                {(corners[3].x + corners[2].x) * 0.5, corners[3].y, 0}, corners[2]};
            const auto noise = kept.AtLattice(net_.MapHeader, net_.GetSquare(index)->FirstCorner,
                                              net_.MapHeader.Columns, lattice);
            for (std::size_t i = 0; i < 9; ++i)
                ASSERT_EQ(noise[i], ReliefNoiseSum(net_.MapHeader, lattice[i].x, lattice[i].y))
                    << "square " << index << " point " << i;
        }
    // Other seeds, other noise: what was kept is not used again.
    net_.MapHeader.PlaneSeeds[0] += 1;
    kept.Prepare(net_);
    const auto corners = net_.SquareCorners(1);
    std::array<TMapPoint, 9> lattice{};
    lattice.fill(corners[0]);
    EXPECT_EQ(kept.AtLattice(net_.MapHeader, net_.GetSquare(1)->FirstCorner, net_.MapHeader.Columns, lattice)[0],
              ReliefNoiseSum(net_.MapHeader, corners[0].x, corners[0].y));
}

TEST_F(Displacement, ReliefFollowsTheNoiseAndNoReliefMeansNoDisplacement)
{
    const int index = 50;
    const auto corners = net_.SquareCorners(index);
    const TColourRecord record = net_.BuildColourRecord(index);
    const double x = corners[0].x + 3, y = corners[0].y - 4;
    double water = -1;
    const double a = Noise(x / 21, y / 21, 11, 100);
    const double b = Noise(x / 21, y / 21, 33, 100);
    EXPECT_NEAR(net_.Displacement(x, y, record, corners, water), (a + b) * 80 - 40, 1e-9);
    EXPECT_EQ(water, 0);

    net_.MapHeader.FractValues.fill(0);
    EXPECT_EQ(net_.Displacement(x, y, net_.BuildColourRecord(index), corners, water), 0);
}

TEST_F(Displacement, OpenWaterGetsWavesOnlyWhereItsWaterValueReachesTheEdge)
{
    auto& h = net_.MapHeader;
    h.FractValues.fill(0);
    h.WaveLength = 100;
    h.WaveHeight = 10;
    for (auto& square : net_.Squares())
        square.Terrain = kWaterTerrain;
    const int index = 200;
    const auto corners = net_.SquareCorners(index);
    TColourRecord record = net_.BuildColourRecord(index);
    const double x = corners[0].x + 1, y = corners[0].y - 1;
    double water = 0;
    const double displaced = net_.Displacement(x, y, record, corners, water);
    EXPECT_EQ(water, 1.0);
    EXPECT_DOUBLE_EQ(displaced, net_.WaveHeight(x, y, 1.0));
    EXPECT_NE(displaced, 0);

    // On a shore the water value falls below 1 and the edge of 100 % keeps
    // the waves off.
    record.waterNextToLand = true;
    record.nodeWater = {1, 0.5, 0.5, 1};
    h.WaterEdge = 100;
    EXPECT_EQ(net_.Displacement(x + 10, y, record, corners, water), 0);
    EXPECT_LT(water, 1);

    h.WaveLength = 0;
    EXPECT_EQ(net_.WaveHeight(x, y, 1.0), 0);
}

TEST(SurfaceDetail, FractalDepthZeroIgnoresTheNoiseSeeds)
{
    TViewNet net;
    MakeFlatMap(net);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i % 7 * 30);
    net.UpdateSquares();
    net.MapHeader.FractValues.fill(200);
    const auto plain = Checksum(Render(net));
    net.MapHeader.PlaneSeeds = {5, 6, 7, 300, 400, 500};
    EXPECT_EQ(Checksum(Render(net)), plain);
    // With detail the relief shows.
    EXPECT_NE(Checksum(Render(net, 160, 120, 3)), plain);
}

TEST(SurfaceDetail, ADetailedSurfaceHasNoHolesOrBlackSquares)
{
    TViewNet net;
    MakeFlatMap(net, 31);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(200 * std::sin(i * 0.05) + 150 * std::cos(i * 0.013));
    net.UpdateSquares();
    for (std::size_t i = 0; i < net.Squares().size(); ++i)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % 97 < 20 ? kWaterTerrain : 0);
    auto& h = net.MapHeader;
    h.DrawTerrains = 1;
    h.FractalDepth = 4;
    h.FractValues[0] = 60;
    h.SkyColour = RGB(255, 0, 255);  // a hole would show this
    h.CameraPos = {0, -500, 700};
    const TDibPicture picture = Render(net, 200, 150, 4);
    const auto isSky = [](Rgb p) { return p.red == 255 && p.green == 0 && p.blue == 255; };
    const auto isBlack = [](Rgb p) { return p.red < 8 && p.green < 8 && p.blue < 8; };
    // Only rows above the map's far edge may show the sky.
    int holes = 0;
    for (int y = 40; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            holes += isSky(picture.PixelAt(x, y)) ? 1 : 0;
    EXPECT_EQ(holes, 0);
    EXPECT_EQ(CountPixels(picture, isBlack), 0);
}

TEST(SurfaceDetail, ADetailedSurfaceSentInBatchesIsThePictureOfTheImmediateWalk)
{
    TViewNet net;
    MakeFlatMap(net, 21);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(200 * std::sin(i * 0.05) + 150 * std::cos(i * 0.013));
    net.UpdateSquares();
    for (std::size_t i = 0; i < net.Squares().size(); ++i)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % 97 < 20 ? kWaterTerrain : i % 5);
    auto& h = net.MapHeader;
    h.DrawTerrains = 1;
    h.FractalDepth = 4;
    h.FractValues[0] = 60;
    h.WaveLength = 40;
    h.WaveHeight = 20;
    // Each terrain its own material, so batches end where materials change.
    for (std::size_t slot = 0; slot < 5; ++slot) {
        h.Specularity[slot] = static_cast<std::int8_t>(slot * 20);
        h.Shininess[slot] = static_cast<std::int8_t>(slot * 10);
    }
    // Without grid lines the rows are recorded on a second thread, walked
    // from the south or from the north as the camera stands.
    for (const double cameraY : {-500.0, 500.0})
        for (const int grid : {2, 0}) {
            h.CameraPos = {0, cameraY, 400};
            h.GridMode = static_cast<std::int16_t>(grid);
            net.UseSceneCache = false;
            const auto immediate = Checksum(Render(net, 160, 120, 3));
            net.UseSceneCache = true;
            EXPECT_EQ(Checksum(Render(net, 160, 120, 3)), immediate) << "grid mode " << grid << ", camera " << cameraY;
        }
}

std::array<TSceneVertex, 3> GreyTriangle()
{
    std::array<TSceneVertex, 3> triangle{};
    for (auto& vertex : triangle)
        vertex.colour = {0.5f, 0.5f, 0.5f, 1};
    return triangle;
}

TEST(SurfaceEffects, AFlatVistaTriangleTakesTheValleyColourFullyAtAngleZero)
{
    TMapHeader h;
    ApplyNewMapValues(h);
    h.DrawingScheme = kSchemeVista;
    h.ValleyEffect = 1;
    h.ValleyAngle = 0;
    TColourRecord record;
    record.terrain = 0;
    record.vistaIndex = 6;
    record.meanHeight = 100;
    record.snowLevel = 750;
    auto triangle = GreyTriangle();
    ApplySlopeEffects(h, record, 1.0, triangle);
    // q = 1 below the snow line: four colours back from index 6.
    const ColourRGBA target = ToRGBA(h.VistaColours[2]);
    EXPECT_FLOAT_EQ(triangle[0].colour[0], target.red);
    EXPECT_FLOAT_EQ(triangle[2].colour[1], target.green);
    // Above the snow line the valley colour lies two ahead.
    record.meanHeight = 900;
    triangle = GreyTriangle();
    ApplySlopeEffects(h, record, 1.0, triangle);
    EXPECT_FLOAT_EQ(triangle[1].colour[2], ToRGBA(h.VistaColours[8]).blue);
}

TEST(SurfaceEffects, SteepVistaTrianglesTakeSomeRockColourButRoadsAndWaterNever)
{
    TMapHeader h;
    ApplyNewMapValues(h);
    h.DrawingScheme = kSchemeVista;
    h.CliffEffect = 1;
    h.CliffAngle = 100;
    h.TerrainColours[kRockTerrain] = RGB(255, 255, 255);
    TColourRecord record;
    auto triangle = GreyTriangle();
    ApplySlopeEffects(h, record, 0.9, triangle);
    EXPECT_GT(triangle[0].colour[0], 0.5f);
    for (const int terrain : {kWaterTerrain, kRoadTerrain}) {
        record.terrain = terrain;
        h.CliffOverride = 1;
        triangle = GreyTriangle();
        ApplySlopeEffects(h, record, 0.9, triangle);
        EXPECT_EQ(triangle[0].colour[0], 0.5f) << terrain;
    }
    // Another terrain only with the override.
    record.terrain = 2;
    h.CliffOverride = 0;
    triangle = GreyTriangle();
    ApplySlopeEffects(h, record, 0.9, triangle);
    EXPECT_EQ(triangle[0].colour[0], 0.5f);
    // Outside the Vista scheme nothing changes.
    record.terrain = 0;
    h.DrawingScheme = kSchemeGradients;
    triangle = GreyTriangle();
    ApplySlopeEffects(h, record, 0.9, triangle);
    EXPECT_EQ(triangle[0].colour[0], 0.5f);
}

TEST(SurfaceEffects, ACliffTakesTheRockColourInTheShareItsSteepnessGives)
{
    TMapHeader h;
    ApplyNewMapValues(h);
    h.DrawingScheme = kSchemeVista;
    h.CliffEffect = 1;
    h.CliffAngle = 50;
    h.TerrainColours[kRockTerrain] = RGB(255, 51, 0);
    const TColourRecord record;
    // The rule: c = 0.8 + angle * 0.00199996, q = (c - ny) / c.
    const double c = 0.8 + 50 * 0.00199996;
    for (const double normalY : {0.0, 0.35, 0.7, 0.89}) {
        const double q = (c - normalY) / c;
        auto triangle = GreyTriangle();
        ApplySlopeEffects(h, record, normalY, triangle);
        for (const auto& vertex : triangle) {
            EXPECT_FLOAT_EQ(vertex.colour[0], static_cast<float>((1 - q) * 0.5 + q * 1.0)) << normalY;
            EXPECT_FLOAT_EQ(vertex.colour[1], static_cast<float>((1 - q) * 0.5 + q * 0.2)) << normalY;
            EXPECT_FLOAT_EQ(vertex.colour[2], static_cast<float>((1 - q) * 0.5)) << normalY;
        }
    }
    // Flatter than the cliff angle: untouched.
    auto triangle = GreyTriangle();
    ApplySlopeEffects(h, record, 0.91, triangle);
    EXPECT_EQ(triangle[0].colour[0], 0.5f);
}

TEST(SurfaceEffects, WaterBeyondTheEdgeTakesTheWaterColourWithTurbulence)
{
    TMapHeader h;
    ApplyNewMapValues(h);
    h.Columns = h.Rows = 21;
    h.DrawTerrains = 1;
    h.DrawingScheme = kSchemeGradients;
    h.TerrainColours[kWaterTerrain] = RGB(20, 60, 160);
    h.WaterTurbulance = 0;
    TColourRecord record;
    record.terrain = kWaterTerrain;
    auto triangle = GreyTriangle();
    ApplyWaterColour(h, record, 0.05, triangle);  // below the 10 % edge
    EXPECT_EQ(triangle[0].colour[0], 0.5f);
    ApplyWaterColour(h, record, 1.0, triangle);
    EXPECT_EQ(triangle[0].colour[2], ToRGBA(h.TerrainColours[kWaterTerrain]).blue);

    h.WaterTurbulance = 100;
    triangle = GreyTriangle();
    triangle[1].position = {3.7f, 0, -1.2f};
    ApplyWaterColour(h, record, 1.0, triangle);
    const double m = Noise(3.7f * 100.0 / 21, -1.2f * 100.0 / 21, h.PlaneSeeds[1], h.PlaneSeeds[4]);
    EXPECT_NEAR(triangle[1].colour[2], std::clamp(160 / 255.0 + (2 * m - 0.5), 0.0, 1.0), 1e-6);
}

}  // namespace
}  // namespace tarn::test
