#include "analysis/gridding/SplineCascade.h"

#include "analysis/gridding/LevelSampling.h"
#include "analysis/gridding/SplineSolver.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace tarn::gridding {

namespace {

// The coarsest grid has at least this many nodes along its longer side.
constexpr int kCoarsestNodes = 32;
// Coarser grids settle to the tolerance times their stride times this: they
// only give the next grid its first guess.
constexpr double kCoarseLooseness = 5;
// Weight of a slope condition against the curvature terms, which add up to
// 20 on a node's diagonal.
constexpr double kSlopeWeight = 16;

int LevelSize(int nodes, int stride)
{
    return (nodes - 1 + stride - 1) / stride + 1;
}

int CoarsestStride(int columns, int rows)
{
    const int longer = std::max(columns, rows);
    int stride = 1;
    while (LevelSize(longer, stride * 2) >= kCoarsestNodes)
        stride *= 2;
    return stride;
}

int NearestLevelNode(int fine, int stride)
{
    return (2 * fine + stride) / (2 * stride);
}

// Holds each node of a level of the given stride at the known node nearest
// to it, if one lies within half a step. Off the node, the height is moved
// along the surface of the coarser level, when there is one.
void HoldKnownNodes(SplineLevel& level, int stride, std::span<const KnownNode> known, const SplineLevel* coarser)
{
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> nearest(level.size(), kNone);
    std::vector<int> nearestDistance(level.size(), std::numeric_limits<int>::max());
    for (std::size_t k = 0; k < known.size(); ++k) {
        const int column = NearestLevelNode(known[k].column, stride);
        const int row = NearestLevelNode(known[k].row, stride);
        const int dx = known[k].column - column * stride;
        const int dy = known[k].row - row * stride;
        const std::size_t at = level.index(column, row);
        if (dx * dx + dy * dy < nearestDistance[at]) {
            nearestDistance[at] = dx * dx + dy * dy;
            nearest[at] = k;
        }
    }
    const double toCoarser = 1.0 / (2 * stride);
    for (int row = 0; row < level.rows(); ++row)
        for (int column = 0; column < level.columns(); ++column) {
            const std::size_t at = level.index(column, row);
            if (nearest[at] == kNone)
                continue;
            const KnownNode& node = known[nearest[at]];
            double height = node.height;
            if (coarser && nearestDistance[at] > 0)
                height += SampleLevel(*coarser, column * stride * toCoarser, row * stride * toCoarser) -
                          SampleLevel(*coarser, node.column * toCoarser, node.row * toCoarser);
            level.heights()[at] = height;
            level.fixed()[at] = 1;
        }
}

// A known node lies on a traced line when one of its eight neighbours is
// known with the same height. Across such a line the heights alone say
// nothing of the slope (a line two nodes thick even says "flat"), so the
// slope estimated from the nodes around it is held there, along rows and
// along columns.
void AddLineSlopes(SplineLevel& level, std::span<const KnownNode> known, const std::vector<NodeSlope>& slopes)
{
    const auto heldAt = [&level](int column, int row, double height) {
        if (column < 0 || row < 0 || column >= level.columns() || row >= level.rows())
            return false;
        const std::size_t at = level.index(column, row);
        return level.fixed()[at] && level.heights()[at] == height;
    };
    std::vector<SlopeTerm> terms;
    for (std::size_t k = 0; k < known.size(); ++k) {
        if (!slopes[k].known)
            continue;
        const int column = known[k].column;
        const int row = known[k].row;
        bool onLine = false;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                onLine = onLine || ((dr != 0 || dc != 0) && heldAt(column + dc, row + dr, known[k].height));
        if (!onLine)
            continue;
        if (column >= 1 && column < level.columns() - 1)
            terms.push_back(
                {true, level.index(column - 1, row), level.index(column + 1, row), slopes[k].east, kSlopeWeight});
        if (row >= 1 && row < level.rows() - 1)
            terms.push_back(
                {false, level.index(column, row - 1), level.index(column, row + 1), slopes[k].south, kSlopeWeight});
    }
    level.addSlopeTerms(terms);
}

}  // namespace

std::optional<std::vector<double>> SolveCascade(int columns, int rows, std::span<const KnownNode> known,
                                                const CascadeSettings& settings, ProgressTicker& ticker)
{
    const double mean =
        known.empty() ? 0.0
                      : std::accumulate(known.begin(), known.end(), 0.0,
                                        [](double sum, const KnownNode& node) { return sum + node.height; }) /
                            static_cast<double>(known.size());
    if (!ticker.pumpNow())
        return std::nullopt;
    std::optional<SplineLevel> coarser;
    for (int stride = CoarsestStride(columns, rows); stride >= 1; stride /= 2) {
        SplineLevel level(LevelSize(columns, stride), LevelSize(rows, stride), settings.weights.forStride(stride));
        if (coarser)
            RefineInto(*coarser, 2, level);
        else
            std::fill(level.heights().begin(), level.heights().end(), mean);
        HoldKnownNodes(level, stride, known, coarser ? &*coarser : nullptr);
        if (stride == 1 && settings.slopes)
            AddLineSlopes(level, known, *settings.slopes);
        if (!ticker.pumpWhenDue())
            return std::nullopt;
        const double tolerance = stride == 1 ? settings.tolerance : settings.tolerance * stride * kCoarseLooseness;
        if (!SolveLevel(level, {tolerance}, ticker))
            return std::nullopt;
        coarser = std::move(level);
    }
    return std::move(coarser->heights());
}

}  // namespace tarn::gridding
