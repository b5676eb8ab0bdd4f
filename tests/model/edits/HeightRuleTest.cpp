#include "model/edits/HeightRule.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

int Applied(MapUnits units, THeightAction action, double difference, double base, THeightMemory& memory,
            std::int16_t start = 0)
{
    TGridPoint node{0, 0, start};
    ApplyHeight(node, units, {action, difference}, base, memory);
    return node.Height;
}

TEST(HeightRule, TypedHeightsBecomeStoredUnitsWithTheMetricFloor)
{
    EXPECT_EQ(StoredHeight(MapUnits::Metric, -1500), -1000);
    EXPECT_EQ(StoredHeight(MapUnits::Imperial, -1000.4), -1000);
    EXPECT_EQ(StoredHeight(MapUnits::MicroMetric, 12.3), 123);
    EXPECT_EQ(StoredHeight(MapUnits::MicroMetric, -1500), -15000);
    // Halves go to the even neighbour.
    EXPECT_EQ(StoredHeight(MapUnits::Metric, 2.5), 2);
    EXPECT_EQ(StoredHeight(MapUnits::Metric, 3.5), 4);
    EXPECT_EQ(StoredHeight(MapUnits::MicroMetric, 0.25), 2);
    // Beyond 16 bits the height saturates instead of wrapping.
    EXPECT_EQ(StoredHeight(MapUnits::Metric, 99999999.9), 32767);
}

TEST(HeightRule, DisplayHeightsKeepTheMicroMetricDecimalAndNull)
{
    EXPECT_DOUBLE_EQ(DisplayHeight(MapUnits::MicroMetric, 123), 12.3);
    EXPECT_DOUBLE_EQ(DisplayHeight(MapUnits::Metric, 123), 123);
    EXPECT_DOUBLE_EQ(DisplayHeight(MapUnits::MicroMetric, kNullHeight), kNullHeight);
}

TEST(HeightRule, AddAndSubtractOffsetTheBase)
{
    THeightMemory memory;
    EXPECT_EQ(Applied(MapUnits::Metric, THeightAction::SubtractHeight, 10, 5, memory), -5);
    EXPECT_EQ(Applied(MapUnits::Metric, THeightAction::AddHeight, 10, 5, memory), 15);
    EXPECT_EQ(Applied(MapUnits::MicroMetric, THeightAction::AddHeight, 0.4, 12.3, memory), 127);
    // Set as Height ignores the difference.
    EXPECT_EQ(Applied(MapUnits::Metric, THeightAction::SetHeight, 10, 5, memory), 5);
}

TEST(HeightRule, MemoryRemembersBaseAndStoredHeight)
{
    THeightMemory memory;
    Applied(MapUnits::MicroMetric, THeightAction::AddHeight, 1, 12.3, memory);
    EXPECT_DOUBLE_EQ(memory.LastHeight, 12.3);
    EXPECT_EQ(memory.DefaultHeight, 133);
}

TEST(HeightRule, SetToNullTouchesNothingElse)
{
    THeightMemory memory{7.0, 70};
    EXPECT_EQ(Applied(MapUnits::Metric, THeightAction::SetNull, 3, 40, memory, 12), kNullHeight);
    EXPECT_DOUBLE_EQ(memory.LastHeight, 7.0);
    EXPECT_EQ(memory.DefaultHeight, 70);
}

TEST(HeightRule, ANullBaseIsNeitherRaisedNorLowered)
{
    THeightMemory memory{7.0, 70};
    for (const auto action : {THeightAction::AddHeight, THeightAction::SubtractHeight})
        EXPECT_EQ(Applied(MapUnits::Metric, action, 3, kNullHeight, memory, kNullHeight), kNullHeight);
    EXPECT_EQ(memory.DefaultHeight, 70);
}

}  // namespace
}  // namespace tarn
