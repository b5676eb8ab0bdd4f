#include "model/SectionProfile.h"

#include <gtest/gtest.h>

using namespace tarn;

namespace {

// Every pixel has a node whose height is its x coordinate.
std::optional<int> HeightIsX(TPixel pixel)
{
    return pixel.x;
}

std::vector<long long> Distances(const TSegmentProfile& profile)
{
    std::vector<long long> distances;
    for (const auto& sample : profile.samples)
        distances.push_back(sample.distanceTenths);
    return distances;
}

}  // namespace

TEST(SectionProfile, ASegmentOfNoLengthYieldsNothing)
{
    const TSegmentProfile profile = ProfileSegment({5, 10, 1}, {20, 30}, {20, 30}, 0, HeightIsX);
    EXPECT_EQ(profile.length, 0);
    EXPECT_EQ(profile.axisMaximumTenths, 0);
    EXPECT_TRUE(profile.samples.empty());
}

TEST(SectionProfile, TwoSegmentsContinueTheDistanceAndWidenTheAxis)
{
    // Scale 5 and spacing 10: two map units per pixel.
    const TSectionMeasure measure{5, 10, 1};
    const TSegmentProfile first = ProfileSegment(measure, {0, 0}, {100, 0}, 0, HeightIsX);
    ASSERT_EQ(first.samples.size(), 21u);
    EXPECT_EQ(first.samples.front(), (TProfileSample{0, 0}));
    EXPECT_EQ(first.samples[1], (TProfileSample{5, 100}));
    EXPECT_EQ(first.samples.back(), (TProfileSample{100, 2000}));
    EXPECT_EQ(first.axisMaximumTenths, 2100);  // 1.05 x 100 x 2 map units

    const TSegmentProfile second = ProfileSegment(measure, {100, 0}, {100, 50}, first.length, HeightIsX);
    ASSERT_EQ(second.samples.size(), 11u);
    EXPECT_EQ(second.samples.front().distanceTenths, 2000);
    EXPECT_EQ(second.samples.back().distanceTenths, 3000);
    EXPECT_EQ(second.axisMaximumTenths, 3150);  // 1.05 x 150 x 2
}

TEST(SectionProfile, TheRatioStretchesHorizontalDistances)
{
    const TSegmentProfile profile = ProfileSegment({5, 10, 2}, {0, 0}, {50, 0}, 0, HeightIsX);
    EXPECT_DOUBLE_EQ(profile.length, 100);
    ASSERT_EQ(profile.samples.size(), 21u);
    // 2.5 pixels apart on the map, rounded halves to even: 0, 2, 5, 8, 10 ...
    EXPECT_EQ(profile.samples[1].height, 2);
    EXPECT_EQ(profile.samples[2].height, 5);
    EXPECT_EQ(profile.samples[3].height, 8);
    EXPECT_EQ(profile.samples.back().height, 50);
    EXPECT_EQ(profile.samples.back().distanceTenths, 2000);
}

TEST(SectionProfile, PixelsWithoutAHeightAddNoSample)
{
    const auto leftHalfOnly = [](TPixel pixel) -> std::optional<int> {
        if (pixel.x > 20)
            return std::nullopt;
        return 7;
    };
    const TSegmentProfile profile = ProfileSegment({5, 10, 1}, {0, 0}, {40, 0}, 0, leftHalfOnly);
    EXPECT_EQ(Distances(profile), (std::vector<long long>{0, 100, 200, 300, 400}));
}

TEST(SectionDataText, EachDistanceIsListedOnceInGeneralFormatWithCrLf)
{
    const std::string text = SectionDataText({{0, 12}, {2.5, 13}, {2.5, 13}, {5, 12.5}, {5, 14}, {7.5, -3}});
    EXPECT_EQ(text, "0, 12, \r\n2.5, 13, \r\n5, 12.5, \r\n7.5, -3, \r\n");
}

TEST(SectionDataText, ADistanceOfZeroAfterTheFirstPointEndsTheList)
{
    EXPECT_EQ(SectionDataText({{0, 1}, {1, 2}, {0, 3}, {1, 4}}), "0, 1, \r\n1, 2, \r\n");
    EXPECT_EQ(SectionDataText({}), "");
}
