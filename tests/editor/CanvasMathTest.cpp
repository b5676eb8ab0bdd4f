#include "editor/BandRange.h"
#include "editor/CanvasGeometry.h"
#include "editor/HeightBands.h"
#include "editor/MapSizeText.h"
#include "editor/NewMap.h"
#include "editor/TerrainOutline.h"
#include "editor/ZoomTable.h"
#include "model/MapHeader.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarn {
namespace {

TEST(ZoomTable, StepsThroughTheTableAndStopsAtTheLowEnd)
{
    std::vector<int> seen;
    for (int zoom = 5; zoom != 50; zoom = ZoomStep(zoom, true))
        seen.push_back(zoom);
    EXPECT_EQ(seen, (std::vector<int>{5, 7, 9, 13, 18, 25, 36}));
    EXPECT_EQ(ZoomStep(1, false), 1);
    EXPECT_EQ(ZoomStep(7, false), 5);
    // Zooming in from the last entry steps back; the window guards that end.
    EXPECT_EQ(ZoomStep(50, true), 36);
    EXPECT_EQ(ZoomStep(6, true), 6);
}

TEST(CanvasGeometry, ScaleKeepsTheLastNodeInsideThePicture)
{
    EXPECT_DOUBLE_EQ(TCanvasGeometry::ComputeScale(255, 255, 51, 51), 255 / 50.5);
    // The side that fits worse decides.
    EXPECT_DOUBLE_EQ(TCanvasGeometry::ComputeScale(500, 250, 100, 50), 250 / 49.5);
    EXPECT_DOUBLE_EQ(TCanvasGeometry::ComputeScale(0, 0, 0, 0), 1.0);
}

TEST(CanvasGeometry, NodeAndSquareUnderAPixel)
{
    const TCanvasGeometry geometry{10, 8, 5.0};
    const auto first = geometry.NodeAt(0, 0);
    EXPECT_EQ(first.number, 1);
    const auto near = geometry.NodeAt(12, 7);  // (12+2.5)/5 = 2.9, (7+2.5)/5 = 1.9
    EXPECT_EQ(near.column, 2);
    EXPECT_EQ(near.row, 1);
    EXPECT_EQ(near.number, 2 + 1 * 10 + 1);
    const auto beyond = geometry.NodeAt(500, 500);  // limited to the last node
    EXPECT_EQ(beyond.number, 80);
    EXPECT_EQ(geometry.NodeAt(-10, 0).number, -1);

    const auto square = geometry.SquareAt(12, 7);
    EXPECT_EQ(square.column, 3);
    EXPECT_EQ(square.row, 2);
    EXPECT_EQ(square.number, 3 + 9 * 1);
    EXPECT_EQ(geometry.SquareAt(500, 500).number, 9 * 7);
    EXPECT_EQ(geometry.SquareAt(-6, 3).number, -1);
}

TEST(HeightBands, LegendForZeroToThousand)
{
    const auto labels = HeightBandLabels(0, 1000, MapUnits::Metric);
    EXPECT_EQ(labels[0], "924+");
    EXPECT_EQ(labels[1], "858:923");
    EXPECT_EQ(labels[13], "66:131");
    EXPECT_EQ(labels[14], "0:65");
    EXPECT_EQ(labels[15], "Null");
}

TEST(HeightBands, MicroMetricLegendScalesBeforeSubtracting)
{
    const auto labels = HeightBandLabels(0, 1500, MapUnits::MicroMetric);
    EXPECT_EQ(labels[0], "140.0+");
    EXPECT_EQ(labels[1], "130.0:139.0");
    EXPECT_EQ(labels[14], "0.0:9.0");
}

TEST(HeightBands, BandsAndTheirColours)
{
    EXPECT_EQ(HeightBand(99, 0, 100), 14);  // bandStep 6 gives 16, limited
    EXPECT_EQ(HeightBand(-5, 0, 100), 0);
    EXPECT_EQ(HeightBand(1000, 0, 1000), 14);
    EXPECT_EQ(HeightBand(500, 0, 1000), 7);
    EXPECT_EQ(HeightBandColour(1000, 0, 1000), RGB(128, 128, 128));  // top: gray
    EXPECT_EQ(HeightBandColour(0, 0, 1000), RGB(0, 0, 0));           // bottom: black
    // A range narrower than 15 must not divide by a zero step.
    EXPECT_EQ(HeightBand(5, 0, 10), 5);
    EXPECT_EQ(HeightBand(5, 5, 5), 0);
}

TEST(BandRange, AMapsOwnRangeStaysAndAFlatOneWidensToAHundredAroundIt)
{
    const auto range = [](int lowest, int highest) {
        const TBandRange bands = BandRangeAround(lowest, highest);
        return std::pair{bands.min, bands.max};
    };
    EXPECT_EQ(range(0, 1000), std::pair(0, 1000));
    EXPECT_EQ(range(200, 300), std::pair(200, 300));
    EXPECT_EQ(range(5, 5), std::pair(-45, 55));
    EXPECT_EQ(range(10, 39), std::pair(-25, 75));
    // At the ends of what the spins hold the range still spans a hundred.
    EXPECT_EQ(range(-1000, -1000), std::pair(-1000, 0));
    EXPECT_EQ(range(32000, 32000), std::pair(31900, 32000));
    EXPECT_EQ(range(-1000, 32767), std::pair(-1000, 32000));
}

TEST(HeightBands, MarkerSizes)
{
    EXPECT_EQ(MarkerSizeFor(5.01).half1, 1);  // 3 pixels at least
    EXPECT_EQ(MarkerSizeFor(5.01).half2, 2);
    EXPECT_EQ(MarkerSizeFor(13.1).half1 + MarkerSizeFor(13.1).half2, 5);
}

TEST(TerrainOutline, ALoneSquareIsClosedAndSharedSidesAreLeftOut)
{
    const TOutlineLines lone = TerrainOutline(1, 1, 9, 9, {});
    ASSERT_EQ(lone.count, 4);
    EXPECT_EQ(lone.lines[0], QLine(1, 1, 9, 1));
    EXPECT_EQ(lone.lines[1], QLine(9, 1, 9, 9));
    EXPECT_EQ(lone.lines[2], QLine(9, 9, 1, 9));
    EXPECT_EQ(lone.lines[3], QLine(1, 9, 1, 1));

    // Same terrain to the right: no right side, and the top and bottom run
    // two pixels on towards the neighbour.
    TSameNeighbours right;
    right.right = true;
    const TOutlineLines joined = TerrainOutline(1, 1, 9, 9, right);
    ASSERT_EQ(joined.count, 3);
    EXPECT_EQ(joined.lines[0], QLine(1, 1, 11, 1));
    EXPECT_EQ(joined.lines[1], QLine(9, 9, 1, 9));
    EXPECT_EQ(joined.lines[2], QLine(1, 9, 1, 1));

    const TOutlineLines inner = TerrainOutline(1, 1, 9, 9, {true, true, true, true});
    EXPECT_EQ(inner.count, 0);
}

TEST(MapSizeText, TheDialogsExamples)
{
    EXPECT_EQ(MapSizeCaption(MapUnits::Metric, 51, 51, 200), "MapSize: 10.0km x 10.0km");
    EXPECT_EQ(MapSizeCaption(MapUnits::Imperial, 51, 51, 600), "MapSize: 5.7mls x 5.7mls");
    EXPECT_EQ(MapSizeCaption(MapUnits::MicroMetric, 51, 51, 10), "MapSize: 500M x 500M");
    EXPECT_EQ(MapSizeCaption(MapUnits::Metric, 20, 20, 200).left(8), "MapSize:");
    EXPECT_EQ(MapSizeCaption(MapUnits::Metric, 19, 21, 200), "Map has too few grid points");
    EXPECT_EQ(MapSizeCaption(MapUnits::Metric, 500, 500, 200).left(8), "MapSize:");
    EXPECT_EQ(MapSizeCaption(MapUnits::Metric, 501, 500, 200), "Map has too many grid points");
}

TEST(NewMapTexts, ConvertOrRefuse)
{
    const auto good = ParseNewMapTexts(2, " 12.5 ", "60", " 70");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->units, MapUnits::MicroMetric);
    EXPECT_DOUBLE_EQ(good->spacing, 12.5);
    EXPECT_EQ(good->columns, 60);
    EXPECT_EQ(good->rows, 70);
    EXPECT_TRUE(ParseNewMapTexts(1, "12,5", "60", "70", ','));
    EXPECT_FALSE(ParseNewMapTexts(1, "abc", "60", "70"));
    EXPECT_FALSE(ParseNewMapTexts(1, "10", "", "70"));
    EXPECT_FALSE(ParseNewMapTexts(1, "10", "60", "7.5"));
    EXPECT_FALSE(ParseNewMapTexts(1, "nan", "60", "70"));
}

}  // namespace
}  // namespace tarn
