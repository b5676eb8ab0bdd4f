// The engine on surfaces whose answer is known.
#include "SurfaceFixtures.h"

#include "analysis/gridding/Gridding.h"
#include "analysis/gridding/GriddingMessages.h"
#include "model/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace tarn::gridding {
namespace {

using test::CancellingProgress;
using test::TraceContours;

GriddingOptions Untaut()
{
    GriddingOptions options;
    options.taughtness1 = 0;
    options.taughtness2 = 0;
    options.extrapolate = true;
    options.optimiseForSpeed = false;
    return options;
}

HeightGrid Grid(int columns, int rows, const std::vector<KnownNode>& known, const GriddingOptions& options)
{
    NullProgress progress;
    std::optional<HeightGrid> grid = GridHeights(columns, rows, known, options, progress);
    EXPECT_TRUE(grid.has_value());
    return grid.value_or(HeightGrid{});
}

TEST(SplineSurface, ReproducesAPlaneFromFourNodes)
{
    const auto plane = [](int column, int row) { return 120 + 2.5 * column - 1.25 * row; };
    const std::vector<KnownNode> known{{3, 4, plane(3, 4)}, {30, 2, plane(30, 2)}, {7, 25, plane(7, 25)},
                                       {33, 27, plane(33, 27)}};
    for (const bool gradients : {false, true}) {
        GriddingOptions options = Untaut();
        options.useGradients = gradients;
        const HeightGrid grid = Grid(41, 31, known, options);
        double worst = 0;
        for (int row = 0; row < 31; ++row)
            for (int column = 0; column < 41; ++column)
                worst = std::max(worst, std::abs(grid.at(column, row) - plane(column, row)));
        EXPECT_LT(worst, 0.01) << "gradients " << gradients;
    }
}

// A round hill 1000 high over a 201 x 161 area, traced at every 50.
struct Paraboloid {
    static constexpr int kColumns = 201;
    static constexpr int kRows = 161;
    static double height(int column, int row)
    {
        const double dx = column - 95.0;
        const double dy = row - 83.0;
        return 1000 - 0.06 * (dx * dx + dy * dy);
    }
};

// With the default options, from contours every 50 (5 % of the height):
// RMS error below 2, largest error below 8 at least 5 steps inside the
// area's edges and below 15 at them (the boundary tension levels the
// surface out towards the edges, where the paraboloid is steepest).
TEST(SplineSurface, ReproducesAParaboloidFromItsContoursWithinStatedErrors)
{
    const std::vector<KnownNode> known = TraceContours(Paraboloid::kColumns, Paraboloid::kRows, Paraboloid::height, 50);
    const HeightGrid grid = Grid(Paraboloid::kColumns, Paraboloid::kRows, known, GriddingOptions{});
    constexpr int kEdgeBand = 5;
    double sum = 0;
    double worstInside = 0;
    double worstAtEdges = 0;
    int count = 0;
    for (int row = 0; row < Paraboloid::kRows; ++row)
        for (int column = 0; column < Paraboloid::kColumns; ++column) {
            const double truth = Paraboloid::height(column, row);
            if (grid.at(column, row) == kNoHeight || truth < 0)
                continue;
            const double error = std::abs(grid.at(column, row) - truth);
            sum += error * error;
            const bool inside = column >= kEdgeBand && row >= kEdgeBand && column < Paraboloid::kColumns - kEdgeBand &&
                                row < Paraboloid::kRows - kEdgeBand;
            (inside ? worstInside : worstAtEdges) = std::max(inside ? worstInside : worstAtEdges, error);
            ++count;
        }
    ASSERT_GT(count, 15000);
    EXPECT_LT(std::sqrt(sum / count), 2.0) << "RMS error";
    EXPECT_LT(worstInside, 8.0);
    EXPECT_LT(worstAtEdges, 15.0);
}

// A round hollow whose bottom lies just past the east edge, traced at every
// 50: the innermost contour is an arc ending at that edge, and beyond it
// nothing is known. Its slope, read across the arc towards the next two
// contours, carries the surface on down towards the edge; a plane fitted to
// the arc's own nodes around each node took too little of it (largest error
// 9.6 in the band along the edge).
TEST(SplineSurface, CarriesAHollowPastItsLastContourDownToTheEdge)
{
    constexpr int kColumns = 121;
    constexpr int kRows = 101;
    const auto hollow = [](int column, int row) {
        const double dx = column - (kColumns + 4.0);
        const double dy = row - 50.0;
        return 0.06 * (dx * dx + dy * dy);
    };
    GriddingOptions options;
    options.extrapolate = true;
    const HeightGrid grid = Grid(kColumns, kRows, TraceContours(kColumns, kRows, hollow, 50), options);
    double worst = 0;
    for (int row = 0; row < kRows; ++row)
        for (int column = kColumns - 30; column < kColumns; ++column)
            worst = std::max(worst, std::abs(grid.at(column, row) - hollow(column, row)));
    EXPECT_LT(worst, 7.5);
}

TEST(SplineSurface, StaysBetweenTheContoursAroundEachNode)
{
    const std::vector<KnownNode> known = TraceContours(Paraboloid::kColumns, Paraboloid::kRows, Paraboloid::height, 50);
    const HeightGrid grid = Grid(Paraboloid::kColumns, Paraboloid::kRows, known, GriddingOptions{});
    // Between the contours at k * 50 and (k + 1) * 50 the surface may pass
    // them by no more than this: no terraces, no false pits or peaks.
    constexpr double kMargin = 1;
    double worst = 0;
    for (int row = 0; row < Paraboloid::kRows; ++row)
        for (int column = 0; column < Paraboloid::kColumns; ++column) {
            const double truth = Paraboloid::height(column, row);
            const double lower = std::floor(truth / 50) * 50;
            if (truth < 0 || lower + 50 > 1000 || grid.at(column, row) == kNoHeight)
                continue;
            const double value = grid.at(column, row);
            worst = std::max({worst, lower - value, value - (lower + 50)});
        }
    EXPECT_LT(worst, kMargin);
}

TEST(SplineSurface, HoldsKnownNodesExactlyAndLeavesNodesOutsideTheirHullNull)
{
    const std::vector<KnownNode> known{{10, 5, 431.0}, {50, 8, -17.0}, {30, 40, 1234.5}, {12, 30, 0.0}, {30, 20, 77.0}};
    const HeightGrid grid = Grid(61, 46, known, GriddingOptions{});
    for (const KnownNode& node : known)
        EXPECT_EQ(grid.at(node.column, node.row), node.height);
    EXPECT_EQ(grid.at(0, 0), kNoHeight);
    EXPECT_EQ(grid.at(60, 45), kNoHeight);
    EXPECT_EQ(grid.at(55, 8), kNoHeight) << "just east of the hull's corner";
    EXPECT_NE(grid.at(49, 8), kNoHeight) << "just west of it";
    EXPECT_NE(grid.at(30, 21), kNoHeight);

    GriddingOptions extrapolating;
    extrapolating.extrapolate = true;
    const HeightGrid full = Grid(61, 46, known, extrapolating);
    EXPECT_TRUE(std::none_of(full.heights.begin(), full.heights.end(), [](double h) { return h == kNoHeight; }));
}

TEST(SplineSurface, HandlesTheSmallestAreasAndASingleNode)
{
    const HeightGrid pair = Grid(2, 1, {{0, 0, 42.0}}, GriddingOptions{.extrapolate = true});
    EXPECT_NEAR(pair.at(1, 0), 42.0, 1e-6);
    const HeightGrid column = Grid(1, 5, {{0, 0, 10.0}, {0, 4, 50.0}}, Untaut());
    EXPECT_NEAR(column.at(0, 2), 30.0, 1e-3) << "a straight line between the ends";
    const HeightGrid single = Grid(30, 20, {{12, 7, -5.0}}, GriddingOptions{.extrapolate = true});
    EXPECT_NEAR(single.at(0, 0), -5.0, 1e-6);
    EXPECT_NEAR(single.at(29, 19), -5.0, 1e-6);
    const HeightGrid untaut = Grid(30, 20, {{12, 7, -5.0}}, Untaut());
    EXPECT_NEAR(untaut.at(29, 0), -5.0, 1e-6) << "no tilt is pinned down, and none is made up";
    const HeightGrid hull = Grid(30, 20, {{12, 7, -5.0}}, GriddingOptions{});
    EXPECT_EQ(hull.at(12, 7), -5.0);
    EXPECT_EQ(hull.at(13, 7), kNoHeight);
}

TEST(SplineSurface, RefusesAreasItCannotGrid)
{
    NullProgress progress;
    const auto message = [&](int columns, int rows, std::vector<KnownNode> known) {
        try {
            GridHeights(columns, rows, known, GriddingOptions{}, progress);
        } catch (const ETarnError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message(1, 1, {{0, 0, 1.0}}), msg::InvalidParameters);
    EXPECT_EQ(message(600, 600, {{0, 0, 1.0}}), msg::InvalidParameters) << "more nodes than a map holds";
    EXPECT_EQ(message(10, 10, {{10, 0, 1.0}}), msg::InvalidParameters) << "a known node outside the area";
    EXPECT_EQ(message(10, 10, {}), msg::NoKnownHeights);
}

TEST(SplineSurface, StopsAtTheFirstCancelInEitherStep)
{
    const std::vector<KnownNode> known = TraceContours(Paraboloid::kColumns, Paraboloid::kRows, Paraboloid::height, 50);
    for (const bool gradients : {false, true}) {
        CancellingProgress progress(1);
        GriddingOptions options;
        options.useGradients = gradients;
        EXPECT_FALSE(GridHeights(Paraboloid::kColumns, Paraboloid::kRows, known, options, progress).has_value());
        EXPECT_EQ(progress.pumps, 1) << "nothing runs on after the cancel";
    }
}

// The paraboloid's grid is large enough for the work to be shared by two
// threads: a cancel at a pump early, halfway or last still stops the run
// there, and every pump comes from the thread that started it.
TEST(SplineSurface, ACancelAtAPumpOfARunOnTwoThreadsStopsItThere)
{
    const std::vector<KnownNode> known = TraceContours(Paraboloid::kColumns, Paraboloid::kRows, Paraboloid::height, 50);
    for (const bool gradients : {false, true}) {
        GriddingOptions options;
        options.useGradients = gradients;
        CancellingProgress whole(0);
        ASSERT_TRUE(GridHeights(Paraboloid::kColumns, Paraboloid::kRows, known, options, whole).has_value());
        EXPECT_FALSE(whole.pumpedElsewhere);
        // Pumps come by time, so a slow build pumps far more often: the
        // first ones, one halfway and the last stand for all of them.
        for (const int cancelAt : std::set<int>{2, 3, 4, std::max(2, whole.pumps / 2), std::max(2, whole.pumps)}) {
            CancellingProgress progress(cancelAt);
            const bool finished =
                GridHeights(Paraboloid::kColumns, Paraboloid::kRows, known, options, progress).has_value();
            EXPECT_FALSE(progress.pumpedElsewhere);
            if (progress.pumps >= cancelAt) {
                EXPECT_FALSE(finished) << "cancel at pump " << cancelAt;
                EXPECT_EQ(progress.pumpsAfterCancel, 0) << "cancel at pump " << cancelAt;
            }
        }
    }
}

}  // namespace
}  // namespace tarn::gridding
