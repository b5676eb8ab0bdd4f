#include "analysis/gridding/SplineCascade.h"

#include "analysis/gridding/LevelSampling.h"
#include "analysis/gridding/KnownPlaces.h"
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
// Slopes on traced lines are held on the grids of up to this stride: on the
// next coarser grid too, so that its surface already slopes across the
// lines as the finest one will, and the finest grid starts closer to its
// answer (a third fewer iterations on contours).
constexpr int kSlopeStrides = 2;

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

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Holds each node of a level of the given stride at the known node nearest
// to it, if one lies within half a step. Off the node, the height is moved
// along the surface of the coarser level, when there is one.
// Returns the known node each node of the level is held at, kNone where it
// is free.
NodeArray<std::size_t> HoldKnownNodes(SplineLevel& level, int stride, std::span<const KnownNode> known,
                                      const SplineLevel* coarser)
{
    NodeArray<std::size_t> nearest(level.size(), kNone);
    NodeArray<int> nearestDistance(level.size(), std::numeric_limits<int>::max());
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
    return nearest;
}

// Across a traced line the heights alone say nothing of the slope (a line
// two nodes thick even says "flat"), so the slope estimated at a known node
// on one is held at each node of the level held at that known node, along
// rows and along columns, in the level's own steps.
void AddLineSlopes(SplineLevel& level, int stride, const NodeArray<std::size_t>& heldAt,
                   const std::vector<std::uint8_t>& onLine, const std::vector<NodeSlope>& slopes)
{
    std::vector<SlopeTerm> terms;
    for (int row = 0; row < level.rows(); ++row)
        for (int column = 0; column < level.columns(); ++column) {
            const std::size_t k = heldAt[level.index(column, row)];
            if (k == kNone || !onLine[k] || !slopes[k].known)
                continue;
            if (column >= 1 && column < level.columns() - 1)
                terms.push_back({true, level.index(column - 1, row), level.index(column + 1, row),
                                 slopes[k].east * stride, kSlopeWeight});
            if (row >= 1 && row < level.rows() - 1)
                terms.push_back({false, level.index(column, row - 1), level.index(column, row + 1),
                                 slopes[k].south * stride, kSlopeWeight});
        }
    level.addSlopeTerms(terms);
}

// 1 for each known node on a traced line (a neighbour known with the same
// height).
std::vector<std::uint8_t> NodesOnLines(int columns, int rows, std::span<const KnownNode> known)
{
    const KnownPlaces places(columns, rows, known);
    std::vector<std::uint8_t> onLine(known.size(), 0);
    for (std::size_t k = 0; k < known.size(); ++k)
        onLine[k] = places.onTracedLine(known[k]) ? 1 : 0;
    return onLine;
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
    const std::vector<std::uint8_t> onLine =
        settings.slopes ? NodesOnLines(columns, rows, known) : std::vector<std::uint8_t>{};
    // The second thread that shares the loops over the large grids, kept
    // for the whole solve.
    PartHelper helper;
    std::optional<SplineLevel> coarser;
    for (int stride = CoarsestStride(columns, rows); stride >= 1; stride /= 2) {
        SplineLevel level(LevelSize(columns, stride), LevelSize(rows, stride), settings.weights.forStride(stride),
                          &helper);
        if (coarser)
            RefineInto(*coarser, 2, level);
        else
            std::fill(level.heights().begin(), level.heights().end(), mean);
        const NodeArray<std::size_t> heldAt = HoldKnownNodes(level, stride, known, coarser ? &*coarser : nullptr);
        if (stride <= kSlopeStrides && settings.slopes)
            AddLineSlopes(level, stride, heldAt, onLine, *settings.slopes);
        if (!ticker.pumpWhenDue())
            return std::nullopt;
        const double tolerance = stride == 1 ? settings.tolerance : settings.tolerance * stride * kCoarseLooseness;
        if (!SolveLevel(level, {tolerance}, ticker))
            return std::nullopt;
        coarser = std::move(level);
    }
    const NodeValues& heights = coarser->heights();
    return std::vector<double>(heights.begin(), heights.end());
}

}  // namespace tarn::gridding
