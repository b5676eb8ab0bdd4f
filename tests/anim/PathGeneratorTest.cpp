#include "viewer/anim/PathBox.h"
#include "viewer/anim/PathGenerator.h"
#include "PathFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

TEST(PathGenerator, FrameCountFollowsSpeedAndPointCount)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    EXPECT_EQ(GeneratePath(test::EastwardFlight(4, "Moderate"), box, 50).frames.size(), 30u);
    EXPECT_EQ(GeneratePath(test::EastwardFlight(5, "Very Fast"), box, 50).frames.size(), 20u);
    EXPECT_EQ(GeneratePath(test::EastwardFlight(6, "Slow"), box, 50).frames.size(), 120u);
    EXPECT_EQ(GeneratePath(test::EastwardFlight(4, "Fast"), box, 50).frames.size(), 20u);
    EXPECT_EQ(GeneratePath(test::EastwardFlight(4, "something else"), box, 50).frames.size(), 50u);
    EXPECT_TRUE(GeneratePath(test::EastwardFlight(3, "Moderate"), box, 50).frames.empty());
}

TEST(PathGenerator, LongPathKeepsTheFirst721Frames)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    const auto path = test::EastwardFlight(32, "Very Slow");
    const auto generated = GeneratePath(path, box, 50);
    ASSERT_EQ(generated.frames.size(), 721u);
    // Frame 720 is step 20 of segment 15 (the 15th segment starts at frame 700).
    const double t = 20.0 / 50;
    const auto& p = path.ControlPoints();
    const double x = BSpline(p[14].x, p[15].x, p[16].x, p[17].x, t);
    EXPECT_NEAR(generated.frames[720].camera[0], box.ToWorld(x, 100)[0], 1e-9);
    for (const auto& frame : generated.frames)
        EXPECT_GE(frame.camera[2], 0);
}

TEST(PathGenerator, BSplineWeightsSumToOneAndJoinSegments)
{
    EXPECT_DOUBLE_EQ(BSpline(6, 6, 6, 6, 0.37), 6);
    // The end of one segment is the start of the next.
    EXPECT_DOUBLE_EQ(BSpline(1, 5, 2, 8, 1), BSpline(5, 2, 8, 30, 0));
    EXPECT_DOUBLE_EQ(BSpline(0, 6, 0, 0, 0), 4);
}

TEST(PathGenerator, CameraLooksAheadAlongTheTrackAtTheChosenDistance)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    const auto generated = GeneratePath(test::EastwardFlight(4, "Moderate"), box, 80);
    for (const auto& frame : generated.frames) {
        EXPECT_NEAR(frame.target[0] - frame.camera[0], 80, 1e-9);
        EXPECT_NEAR(frame.target[1] - frame.camera[1], 0, 1e-9);
        EXPECT_DOUBLE_EQ(frame.camera[2], 600);
    }
}

TEST(PathGenerator, MovedViewPointsTurnTheViewAndMinHeightRaisesTheCamera)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    auto path = test::EastwardFlight(4, "Moderate");
    for (int i = 0; i < 4; ++i) {
        path.MoveViewPoint(i, {path.ControlPoints()[static_cast<std::size_t>(i)].x, 0});
        path.SetPointHeight(i, 10);
    }
    path.MinHeight = 250;
    const auto generated = GeneratePath(path, box, 80);
    ASSERT_EQ(generated.frames.size(), 30u);
    for (const auto& frame : generated.frames) {
        // The view points lie due north of the track (box y 0 is north).
        EXPECT_GT(frame.target[1] - frame.camera[1], 70);
        EXPECT_NEAR(std::hypot(frame.target[0] - frame.camera[0], frame.target[1] - frame.camera[1]), 80, 1e-9);
        EXPECT_DOUBLE_EQ(frame.camera[2], 250);
    }
}

TEST(PathGenerator, OutwardPanoramaCirclesItsPoint)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    TFlightPath path;
    path.SetType(TPathType::OutPanorama);
    path.Height = 40;
    path.AddControlPoint({105, 105}, 140);
    const auto generated = GeneratePath(path, box, 80);
    ASSERT_EQ(generated.frames.size(), 122u);
    const auto centre = box.ToWorld(105, 105);
    EXPECT_NEAR(generated.frames[0].target[1] - centre[1], 50, 1e-9);
    EXPECT_NEAR(generated.frames[30].target[0] - centre[0], 50, 1e-9);
    EXPECT_NEAR(generated.frames[120].target[1] - centre[1], 50, 1e-9);
    EXPECT_DOUBLE_EQ(generated.frames[7].camera[2], 180);
    path.SetType(TPathType::InPanorama);
    path.AddControlPoint({105, 105}, 140);
    EXPECT_TRUE(GeneratePath(path, box, 80).frames.empty());
}

}  // namespace
}  // namespace tarn
