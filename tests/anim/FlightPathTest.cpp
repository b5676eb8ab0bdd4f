#include "model/Errors.h"
#include "viewer/anim/FlightPath.h"
#include "viewer/anim/PathBox.h"
#include "PathFixture.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(FlightPath, FlightTakesThirtyTwoPointsAndNoMore)
{
    TFlightPath path;
    for (int i = 0; i < kMaxFlightPoints; ++i)
        EXPECT_TRUE(path.AddControlPoint({i * 20, 5}, 0));
    EXPECT_FALSE(path.AddControlPoint({700, 5}, 0));
    EXPECT_EQ(path.PointCount(), 32);
    EXPECT_EQ(path.ViewPoints().size(), 32u);
}

TEST(FlightPath, PanoramaTakesOnePointAndTypeChangeClears)
{
    TFlightPath path;
    path.AddControlPoint({1, 1}, 0);
    path.SetType(TPathType::OutPanorama);
    EXPECT_EQ(path.PointCount(), 0);
    EXPECT_FALSE(path.CanGenerate());
    EXPECT_TRUE(path.AddControlPoint({40, 40}, 0));
    EXPECT_TRUE(path.CanGenerate());
    EXPECT_FALSE(path.AddControlPoint({80, 80}, 0));
    EXPECT_EQ(path.PointCount(), 1);
}

TEST(FlightPath, FlightNeedsFourPointsToGenerate)
{
    auto path = test::EastwardFlight(3, "Moderate");
    EXPECT_FALSE(path.CanGenerate());
    path.AddControlPoint({100, 100}, 0);
    EXPECT_TRUE(path.CanGenerate());
}

TEST(FlightPath, PicksTheFirstPointWithinSixPixels)
{
    TFlightPath path;
    path.AddControlPoint({50, 50}, 0);
    path.AddControlPoint({54, 50}, 0);
    EXPECT_EQ(path.ControlPointNear({56, 56}), 0);
    EXPECT_EQ(path.ControlPointNear({60, 50}), 1);
    EXPECT_EQ(path.ControlPointNear({61, 50}), -1);
    EXPECT_EQ(path.ControlPointNear({54, 57}), -1);
    path.MoveViewPoint(1, {90, 90});
    EXPECT_EQ(path.ViewPointNear({93, 85}), 1);
    EXPECT_FALSE(path.ViewPointOnItsPoint(1));
    EXPECT_TRUE(path.ViewPointOnItsPoint(0));
}

TEST(FlightPath, ViewPointsMustMatchControlPoints)
{
    TFlightPath path;
    path.SetControlPoints({{1, 2, 3}, {4, 5, 6}});
    try {
        path.SetViewPoints({{1, 2}});
        FAIL();
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), "E0042 View point count does not match control point count");
    }
    path.SetType(TPathType::OutPanorama);
    EXPECT_THROW(path.SetControlPoints({{1, 2, 3}, {4, 5, 6}}), ETarnError);
}

TEST(PathBoxGeometry, BoxCornersAreTheMapBounds)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    const auto& bounds = map.net.MapHeader.Bounds;
    const auto northWest = box.ToWorld(0, 0);
    const auto southEast = box.ToWorld(210, 210);
    EXPECT_DOUBLE_EQ(northWest[0], bounds[0].toDouble());
    EXPECT_DOUBLE_EQ(northWest[1], bounds[3].toDouble());
    EXPECT_DOUBLE_EQ(southEast[0], bounds[0].toDouble() + map.net.MapHeader.WorldWidth);
    EXPECT_DOUBLE_EQ(southEast[1], bounds[3].toDouble() - map.net.MapHeader.WorldHeight);
    const auto back = box.ToBox(northWest[0], southEast[1]);
    EXPECT_NEAR(back[0], 0, 1e-9);
    EXPECT_NEAR(back[1], 210, 1e-9);
}

TEST(PathBoxGeometry, GroundHeightRoundsHalfToEvenAndOutsideGivesZero)
{
    test::TPathMap map;
    // Column 2 of row 3 is node 2 * 21 + 2 = 44.
    map.net.GetPoint(44)->Height = 777;
    const TPathBoxGeometry box(map.net, 210, 210);
    EXPECT_EQ(box.GroundHeight(20, 30), 777);
    // 25 / 210 * 21 = 2.5 rounds to 2; 35 / 210 * 21 = 3.5 rounds to 4.
    EXPECT_EQ(box.GroundHeight(25, 30), 777);
    EXPECT_EQ(box.GroundHeight(35, 30), 100);
    // Row 0 and column 0 give node numbers below 1.
    EXPECT_EQ(box.GroundHeight(0, 0), 0);
    EXPECT_EQ(box.GroundHeight(210, 220), 0);
    map.net.GetPoint(44)->Height = kNullHeight;
    EXPECT_EQ(box.GroundHeight(20, 30), 0);
}

}  // namespace
}  // namespace tarn
