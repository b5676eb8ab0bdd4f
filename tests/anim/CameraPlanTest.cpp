#include "viewer/anim/CameraPlan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

TPlayScript Script(int lines)
{
    TPlayScript script;
    for (int i = 0; i < lines; ++i)
        script.points.push_back({10.0 * i, 0, 100.0 + i, 10.0 * i + 400, 300});
    return script;
}

TEST(CameraPlan, ThreeLinesGiveOneFrameTwoGiveNone)
{
    EXPECT_EQ(FlightCameras(Script(3), 1, 0).size(), 1u);
    EXPECT_TRUE(FlightCameras(Script(2), 1, 0).empty());
    EXPECT_TRUE(FlightCameras(Script(1), 1, 0).empty());
    EXPECT_TRUE(FlightCameras(Script(0), 1, 0).empty());
    EXPECT_EQ(PanoramaCameras(Script(38), 100).size(), 36u);
}

TEST(CameraPlan, TargetTakesTheHeightTwoLinesAhead)
{
    const auto cameras = FlightCameras(Script(5), 0.5, 0);
    ASSERT_EQ(cameras.size(), 3u);
    EXPECT_EQ(cameras[1], (TCameraSetup{{10, 0, 50.5}, {410, 300, 51.5}}));
    const auto panorama = PanoramaCameras(Script(5), 4);
    EXPECT_EQ(panorama[0], (TCameraSetup{{0, 0, 25}, {400, 300, 25.5}}));
}

TEST(CameraPlan, ViewAngleLowersTheTargetAndStopsItAtTheGround)
{
    TPlayScript script;
    for (int i = 0; i < 3; ++i)
        script.points.push_back({0, 0, 100, 300, 400});
    // 45 degrees over a level distance of 500 lowers by 500: the line of
    // sight from height 100 meets the ground a fifth of the way.
    const auto steep = FlightCameras(script, 1, 45);
    EXPECT_NEAR(steep[0].target[0], 60, 1e-9);
    EXPECT_NEAR(steep[0].target[1], 80, 1e-9);
    EXPECT_EQ(steep[0].target[2], 0);
    // 5 degrees lowers by round(43.74) = 44.
    const auto gentle = FlightCameras(script, 1, 5);
    EXPECT_EQ(gentle[0].target, (std::array<double, 3>{300, 400, 56}));
}

}  // namespace
}  // namespace tarn
