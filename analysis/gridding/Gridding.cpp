#include "analysis/gridding/Gridding.h"

#include "analysis/gridding/ConvexHull.h"
#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/SplineCascade.h"
#include "model/Errors.h"
#include "model/MapFactory.h"

#include <algorithm>

namespace tarn::gridding {

namespace {

// Boundary tension per step of "Taughtness #2".
constexpr double kBoundaryTensionStep = 1.0 / 32;
// Settling limits as parts of the known heights' range.
constexpr double kFastTolerance = 5e-4;
constexpr double kFineTolerance = 1e-5;
// The limit for known heights that are all the same.
constexpr double kSmallestTolerance = 1e-6;

void CheckKnownNodes(int columns, int rows, std::span<const KnownNode> known)
{
    CheckAreaSize(columns, rows);
    for (const KnownNode& node : known)
        if (node.column < 0 || node.column >= columns || node.row < 0 || node.row >= rows)
            throw ETarnError(msg::InvalidParameters);
}

SplineWeights WeightsFor(const GriddingOptions& options, int columns, int rows)
{
    const double taut = std::max(options.taughtness1, 0) / static_cast<double>(std::max(columns, rows));
    const double boundary = std::max(options.taughtness2, 0) * kBoundaryTensionStep;
    return {taut * taut, SplineWeights::FromTensions(0, boundary).boundary};
}

double ToleranceFor(const GriddingOptions& options, std::span<const KnownNode> known)
{
    const auto [lowest, highest] = std::minmax_element(
        known.begin(), known.end(), [](const KnownNode& a, const KnownNode& b) { return a.height < b.height; });
    const double range = highest->height - lowest->height;
    return std::max(range * (options.optimiseForSpeed ? kFastTolerance : kFineTolerance), kSmallestTolerance);
}

}  // namespace

void CheckAreaSize(int columns, int rows)
{
    if (columns < 1 || rows < 1 || static_cast<long long>(columns) * rows < 2 ||
        static_cast<long long>(columns) * rows > kMaxGridPoints)
        throw ETarnError(msg::InvalidParameters);
}

std::optional<std::vector<NodeSlope>> CalculateGradients(int columns, int rows, std::span<const KnownNode> known,
                                                         IProgress& progress)
{
    CheckKnownNodes(columns, rows, known);
    ProgressTicker ticker(progress);
    return EstimateSlopes(columns, rows, known, ticker);
}

std::optional<HeightGrid> MakeHeightGrid(int columns, int rows, std::span<const KnownNode> known,
                                         const GriddingOptions& options, const std::vector<NodeSlope>* slopes,
                                         IProgress& progress)
{
    CheckKnownNodes(columns, rows, known);
    if (known.empty())
        throw ETarnError(msg::NoKnownHeights);
    if (slopes && slopes->size() != known.size())
        throw ETarnError(msg::InvalidParameters);
    ProgressTicker ticker(progress);
    const CascadeSettings settings{WeightsFor(options, columns, rows), ToleranceFor(options, known),
                                   options.useGradients ? slopes : nullptr};
    std::optional<std::vector<double>> heights = SolveCascade(columns, rows, known, settings, ticker);
    if (!heights)
        return std::nullopt;
    if (!options.extrapolate) {
        const std::vector<std::uint8_t> inside = InsideHull(columns, rows, known);
        for (std::size_t at = 0; at < inside.size(); ++at)
            if (!inside[at])
                (*heights)[at] = kNoHeight;
    }
    progress.setPercent(100);
    return HeightGrid{columns, rows, std::move(*heights)};
}

std::optional<HeightGrid> GridHeights(int columns, int rows, std::span<const KnownNode> known,
                                      const GriddingOptions& options, IProgress& progress)
{
    std::optional<std::vector<NodeSlope>> slopes;
    if (options.useGradients) {
        slopes = CalculateGradients(columns, rows, known, progress);
        if (!slopes)
            return std::nullopt;
    }
    return MakeHeightGrid(columns, rows, known, options, slopes ? &*slopes : nullptr, progress);
}

}  // namespace tarn::gridding
