// Trend analysis and the smoothing transform over the whole map.
#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/Smoothing.h"
#include "analysis/gridding/TrendAnalysis.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarn::gridding {
namespace {

constexpr int kSide = 20;

std::int16_t& Height(TNet& net, int column, int row)
{
    return net.Points()[static_cast<std::size_t>(row * kSide + column)].Height;
}

void MakeMap(TNet& net)
{
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 10}, DefaultTerrainPalette());
}

TEST(TrendAnalysis, FillsEveryNullNodeAndKeepsTheKnownOnes)
{
    TNet net;
    MakeMap(net);
    for (int row = 0; row < kSide; row += 4)
        for (int column = 0; column < kSide; column += 4)
            Height(net, column, row) = static_cast<std::int16_t>(10 * column + row);
    TrendAnalysis(net, 0);
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            EXPECT_NE(Height(net, column, row), kNullHeight);
            if (row % 4 == 0 && column % 4 == 0) {
                EXPECT_EQ(Height(net, column, row), 10 * column + row);
            }
        }
}

TEST(TrendAnalysis, RaisesFillsToTheMinimumHeight)
{
    TNet net;
    MakeMap(net);
    for (int column = 0; column < kSide; ++column)
        for (int row = 0; row < 6; ++row)
            Height(net, column, row) = -50;
    TrendAnalysis(net, -10);
    EXPECT_EQ(Height(net, 0, 0), -50) << "a known height stays below the minimum";
    EXPECT_EQ(Height(net, 0, 6), -10);
    EXPECT_EQ(Height(net, 19, 19), -10);
}

TEST(TrendAnalysis, RefusesTooFewNodesKeepingWhatWasFilled)
{
    TNet net;
    MakeMap(net);
    Height(net, 10, 10) = 5;
    try {
        TrendAnalysis(net, 0);
        FAIL() << "a single known node was enough";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), "E0019 Insuficient points for trend analysis");
    }
    EXPECT_EQ(Height(net, 10, 10), 5);
    const auto filled = std::count_if(net.Points().begin(), net.Points().end(),
                                      [](const TGridPoint& p) { return p.Height != kNullHeight; });
    EXPECT_GT(filled, 1) << "the first round's fills stay";
    EXPECT_LT(filled, 100);
}

TEST(SmoothHeights, AveragesFromTheUnsmoothedHeightsAndTurnsNullIntoMinusOne)
{
    TNet net;
    MakeMap(net);
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column)
            Height(net, column, row) = static_cast<std::int16_t>(column == 5 && row == 5 ? 90 : 0);
    Height(net, 0, 0) = kNullHeight;
    Height(net, 19, 19) = -30;
    SmoothHeights(net, -100);
    EXPECT_EQ(Height(net, 5, 5), 10) << "90 over nine nodes";
    EXPECT_EQ(Height(net, 6, 6), 10) << "from the unsmoothed peak, not the smoothed one";
    EXPECT_EQ(Height(net, 7, 7), 0);
    EXPECT_EQ(Height(net, 0, 0), -1) << "Null becomes -1";
    EXPECT_EQ(Height(net, 19, 19), -1) << "-30 / 4 rounds to -8, stored as -1";
    EXPECT_EQ(net.MapHeader.MaxHeight, 10);
    EXPECT_EQ(net.MapHeader.MinHeight, 0) << "the lowest value is negative";
}

}  // namespace
}  // namespace tarn::gridding
