#include "PathFixture.h"

#include "viewer/anim/FlightProfile.h"
#include "viewer/anim/PathBox.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

TEST(FlightProfile, SamplesTheGroundAboutEveryTwoPixelsAndMarksEachPointAtItsDistance)
{
    TPathMap map;
    // A ridge under the middle of the box: column 11 stands at 400.
    for (int row = 1; row <= 21; ++row)
        map.net.GetPoint((row - 1) * 21 + 11)->Height = 400;
    const TPathBoxGeometry box(map.net, 210, 210);
    TFlightPath path;
    path.MinHeight = 550;
    path.AddControlPoint({50, 100}, 600);
    path.AddControlPoint({150, 100}, 500);
    path.AddControlPoint({150, 100}, 700);

    const auto profile = BuildFlightProfile(path, box);
    // 100 pixels give trunc(99 / 2) samples; the repeated point gives none.
    ASSERT_EQ(profile.ground.size(), 49U);
    EXPECT_DOUBLE_EQ(profile.length, 100);
    EXPECT_DOUBLE_EQ(profile.ground.front()[0], 0);
    EXPECT_DOUBLE_EQ(profile.ground.front()[1], 100);
    bool ridgeSeen = false;
    for (const auto& [x, y] : profile.ground) {
        EXPECT_LT(x, 100);
        ridgeSeen = ridgeSeen || y == 400;
    }
    EXPECT_TRUE(ridgeSeen);
    // Markers sit at the distance of their point, never under the minimum height.
    ASSERT_EQ(profile.markers.size(), 3U);
    EXPECT_EQ(profile.markers[0], (std::array<double, 2>{0, 600}));
    EXPECT_EQ(profile.markers[1], (std::array<double, 2>{100, 550}));
    EXPECT_EQ(profile.markers[2], (std::array<double, 2>{100, 700}));
}

TEST(FlightProfile, AnEmptyPathHasNoProfile)
{
    TPathMap map;
    const auto profile = BuildFlightProfile(TFlightPath{}, TPathBoxGeometry(map.net, 210, 210));
    EXPECT_TRUE(profile.ground.empty());
    EXPECT_TRUE(profile.markers.empty());
    EXPECT_EQ(profile.length, 0);
}
