// Slopes estimated at the nodes of traced contours, and the surface they
// give where the contours bend round a valley close to the area's edge.
#include "SurfaceFixtures.h"

#include "analysis/gridding/Gridding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarn::gridding {
namespace {

using test::TraceContours;

constexpr int kColumns = 121;
constexpr int kRows = 61;

// Ground rising `tilt` per step to the east, cut by a valley 200 deep
// along row 6, close to the north edge: each contour bends round the
// valley, and between the edge and the valley its arm looks across to its
// own other arm on one side and out of the area on the other.
struct ValleyAtEdge {
    double tilt;
    double height(double column, double row) const
    {
        return tilt * column - 200 * std::exp(-(row - 6) * (row - 6) / (2 * 8.0 * 8.0));
    }
    std::vector<KnownNode> contours() const
    {
        return TraceContours(kColumns, kRows, [this](int c, int r) { return height(c, r); }, 50);
    }
};

TEST(SlopeEstimate, NeverPointsDownhillOnContoursBentRoundAValleyAtTheEdge)
{
    const ValleyAtEdge valley{1};
    const std::vector<KnownNode> known = valley.contours();
    NullProgress progress;
    const std::optional<std::vector<NodeSlope>> slopes = CalculateGradients(kColumns, kRows, known, progress);
    ASSERT_TRUE(slopes.has_value());
    int estimated = 0;
    int downhill = 0;
    for (std::size_t k = 0; k < known.size(); ++k) {
        const NodeSlope& slope = (*slopes)[k];
        if (!slope.known)
            continue;
        const KnownNode& node = known[k];
        const double east = valley.height(node.column + 0.5, node.row) - valley.height(node.column - 0.5, node.row);
        const double south = valley.height(node.column, node.row + 0.5) - valley.height(node.column, node.row - 0.5);
        const double agreement = slope.east * east + slope.south * south;
        ++estimated;
        downhill += agreement < -0.1 * std::hypot(slope.east, slope.south) * std::hypot(east, south) ? 1 : 0;
    }
    EXPECT_GT(estimated, static_cast<int>(known.size() * 4 / 5));
    EXPECT_EQ(downhill, 0);
}

TEST(SlopeEstimate, GivesEachNodeTheSameSlopeWhateverTheOrderOfTheNodes)
{
    const std::vector<KnownNode> known = ValleyAtEdge{2}.contours();
    const std::vector<KnownNode> reversed(known.rbegin(), known.rend());
    NullProgress progress;
    const std::optional<std::vector<NodeSlope>> forward = CalculateGradients(kColumns, kRows, known, progress);
    const std::optional<std::vector<NodeSlope>> backward = CalculateGradients(kColumns, kRows, reversed, progress);
    ASSERT_TRUE(forward && backward);
    int differing = 0;
    for (std::size_t k = 0; k < known.size(); ++k) {
        const NodeSlope& a = (*forward)[k];
        const NodeSlope& b = (*backward)[known.size() - 1 - k];
        differing += a.known != b.known || std::abs(a.east - b.east) > 1e-9 || std::abs(a.south - b.south) > 1e-9 ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}

// Arm nodes that see nothing either way take the slope of their line's
// nodes further along, which keeps the ground between the valley and the
// edge from levelling out at the contours' heights.
TEST(SlopeEstimate, KeepsTheGroundBetweenAValleyAndTheEdgeSloping)
{
    const ValleyAtEdge valley{2};
    GriddingOptions options;
    options.extrapolate = true;
    NullProgress progress;
    const std::optional<HeightGrid> grid = GridHeights(kColumns, kRows, valley.contours(), options, progress);
    ASSERT_TRUE(grid.has_value());
    double worst = 0;
    double sum = 0;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const double error = std::abs(grid->at(column, row) - valley.height(column, row));
            worst = std::max(worst, error);
            sum += error * error;
        }
    EXPECT_LT(std::sqrt(sum / (kColumns * kRows)), 3.5) << "RMS error";
    EXPECT_LT(worst, 25.0);
}

}  // namespace
}  // namespace tarn::gridding
