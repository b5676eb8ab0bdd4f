// The spacings and sizes a new map may have: every map made has header
// fields that agree with each other and nodes a world unit or more apart;
// everything else is refused with a message that says why.
#include "TestMaps.h"

#include "model/Errors.h"
#include "model/HeaderConsistency.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace tarn;
using namespace tarn::test;

namespace {

// The coded message CheckNewMapParameters throws, or "" when it accepts.
std::string Refusal(MapUnits units, int columns, int rows, double spacing)
{
    try {
        CheckNewMapParameters({units, columns, rows, spacing});
    } catch (const ETarnError& error) {
        return error.what();
    }
    return {};
}

constexpr const char* kInvalid = "E0004 Invalid map size parameters: ";

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

}  // namespace

TEST(NewMapLimits, SpacingsOutsideTheUnitsRangeAreRefused)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (const double spacing : {100000.0, 10000.0, 0.5, 0.0, -5.0, inf, -inf, std::nan("")})
        EXPECT_EQ(Refusal(MapUnits::Metric, 20, 20, spacing),
                  std::string(kInvalid) + "the grid spacing must lie between 1 and 9999 metres")
            << spacing;
    EXPECT_EQ(Refusal(MapUnits::Imperial, 20, 20, 10000),
              std::string(kInvalid) + "the grid spacing must lie between 1 and 9999 feet");
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 20, 20, 1000),
              std::string(kInvalid) + "the grid spacing must lie between 0.1 and 999.9 metres");
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 20, 20, 0.05), Refusal(MapUnits::MicroMetric, 20, 20, 1000));
    EXPECT_EQ(Refusal(MapUnits::Metric, 20, 20, 9999), "");
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 20, 20, 100), "");
}

TEST(NewMapLimits, MapsTooSmallForTheirExtentArePointedToMicroMetric)
{
    // 19 m wide: round(0.19 tenths of a km) would store an extent of 0.
    EXPECT_EQ(Refusal(MapUnits::Metric, 20, 20, 1),
              std::string(kInvalid) +
                  "a Metric map must be at least 150 m wide and deep, and this one is 19 m by 19 m; "
                  "choose MicroMetric units for a smaller map");
    EXPECT_EQ(Refusal(MapUnits::Metric, 20, 20, 7.9), "");  // 150.1 m
    EXPECT_TRUE(StartsWith(Refusal(MapUnits::Metric, 20, 20, 7.8), kInvalid));
    EXPECT_TRUE(StartsWith(Refusal(MapUnits::Metric, 400, 20, 7), kInvalid)) << "the shorter side counts";
    EXPECT_EQ(Refusal(MapUnits::Imperial, 20, 20, 41),
              std::string(kInvalid) +
                  "an Imperial map must be at least 792 ft wide and deep, and this one is 779 ft by 779 ft; "
                  "choose MicroMetric units for a smaller map");
    EXPECT_EQ(Refusal(MapUnits::Imperial, 20, 20, 42), "");
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 20, 20, 1), "");
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 2, 200, 0.1),
              std::string(kInvalid) +
                  "a MicroMetric map must be at least 0.15 m wide and deep, and this one is 0.1 m by 19.9 m");
}

TEST(NewMapLimits, MapsTooLargeOrTooLongForTheWorldCoordinatesAreRefused)
{
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 500, 500, 10),
              std::string(kInvalid) +
                  "the map is 4990 m by 4990 m, and a MicroMetric map can be at most 3276.7 m wide and deep; "
                  "choose Metric units for a larger map");
    EXPECT_EQ(Refusal(MapUnits::MicroMetric, 500, 500, 5),
              std::string(kInvalid) +
                  "the map is 2495 m by 2495 m, and a MicroMetric map can be at most 1999.9 m on its shorter side; "
                  "choose Metric units for a larger map");
    EXPECT_EQ(Refusal(MapUnits::Metric, 500, 500, 9999),
              std::string(kInvalid) +
                  "the map is 4989.5 km by 4989.5 km, and a Metric map can be at most 3276.7 km wide and deep");
    // The world coordinates of the longer side are 16-bit too.
    EXPECT_EQ(Refusal(MapUnits::Imperial, 100, 700, 100),
              std::string(kInvalid) +
                  "the map is 1.9 miles by 13.2 miles, too long for its width: with a shorter side of 1.9 miles, "
                  "an Imperial map can be at most about 11.8 miles long");
    EXPECT_TRUE(StartsWith(Refusal(MapUnits::Metric, 12500, 20, 200), kInvalid));
    EXPECT_EQ(Refusal(MapUnits::Metric, 500, 500, 4000), "");
    EXPECT_EQ(Refusal(MapUnits::Imperial, 100, 600, 100), "");
}

TEST(NewMapLimits, EveryAcceptedMapHasAConsistentHeaderAndNodesApartBeforeAndAfterALoad)
{
    const std::pair<int, int> grids[] = {{20, 20}, {2, 200}, {200, 2}, {51, 51}, {20, 500}, {500, 20},
                                         {100, 100}, {40, 6250}, {500, 500}};
    const std::pair<MapUnits, std::vector<double>> spacings[] = {
        {MapUnits::Imperial, {1, 41, 42, 100, 600, 5000, 9999}},
        {MapUnits::Metric, {1, 7.8, 7.9, 10, 30, 200, 1500, 9999}},
        {MapUnits::MicroMetric, {0.1, 0.15, 0.5, 1, 10, 50, 999.9}},
    };
    // Nodes of a row lie east of each other, rows south of each other.
    const auto expectNodesApart = [](const TNet& net, const std::string& what) {
        const int columns = net.MapHeader.Columns;
        const auto& points = net.Points();
        for (int c = 1; c < columns; ++c)
            ASSERT_GT(points[c].X, points[c - 1].X) << what << " column " << c;
        for (std::size_t r = columns; r < points.size(); r += columns)
            ASSERT_LT(points[r].Y, points[r - columns].Y) << what << " node " << r;
    };
    int made = 0;
    for (const auto& [units, list] : spacings) {
        for (const double spacing : list) {
            for (const auto& [columns, rows] : grids) {
                const std::string what = std::to_string(static_cast<int>(units)) + ": " + std::to_string(columns) +
                                         " x " + std::to_string(rows) + " at " + std::to_string(spacing);
                TNet net;
                try {
                    MakeMap(net, columns, rows, units, spacing);
                } catch (const ETarnError& error) {
                    EXPECT_TRUE(error.code() == "E0004" || error.code() == "E0005" || error.code() == "E0006")
                        << what << ": " << error.what();
                    continue;
                }
                ++made;
                EXPECT_EQ(FindHeaderContradictions(net.MapHeader), std::vector<std::string>{}) << what;
                expectNodesApart(net, what + " as made");
                TNet loaded;
                ASSERT_TRUE(LoadBytes(loaded, net.SaveToBytes())) << what;
                EXPECT_EQ(FindHeaderContradictions(loaded.MapHeader), std::vector<std::string>{}) << what;
                expectNodesApart(loaded, what + " after a load");
            }
        }
    }
    EXPECT_GT(made, 80);
}
