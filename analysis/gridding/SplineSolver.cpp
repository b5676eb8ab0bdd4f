#include "analysis/gridding/SplineSolver.h"

#include "analysis/gridding/SplineMultigrid.h"
#include "analysis/gridding/SharedParts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarn::gridding {

namespace {

// The percentage shown runs over this many iterations (most runs take fewer).
constexpr int kExpectedIterations = 20;

// Calls work(begin, end, part) for the node ranges of the parts of the
// level's rows (SplitRows).
template <typename Work>
void SplitNodes(const SplineLevel& level, const Work& work)
{
    SplitRows(level.helper(), level.rows(), level.size(), [&](int firstRow, int endRow, std::size_t part) {
        work(level.index(0, firstRow), level.index(0, endRow), part);
    });
}

// The parts are summed apart and then added in order, so the sum does not
// depend on the threads' timing.
double Dot(const SplineLevel& level, const NodeValues& a, const NodeValues& b)
{
    std::array<double, kRowParts> parts{};
    SplitNodes(level, [&](std::size_t begin, std::size_t end, std::size_t part) {
        double sum = 0;
        for (std::size_t i = begin; i < end; ++i)
            sum += a[i] * b[i];
        parts[part] = sum;
    });
    double sum = 0;
    for (const double partSum : parts)
        sum += partSum;
    return sum;
}

}  // namespace

bool SolveLevel(SplineLevel& level, const SolverLimits& limits, ProgressTicker& ticker)
{
    std::optional<SplineMultigrid> multigrid = SplineMultigrid::Build(level, ticker);
    if (!multigrid)
        return false;
    NodeValues residual;
    level.residual(residual);
    const NodeValues* first = multigrid->precondition(residual);
    if (!first)
        return false;
    NodeValues direction = *first;
    double agreement = Dot(level, residual, direction);
    NodeValues product;
    auto& heights = level.heights();
    for (int iteration = 0; iteration < limits.maxIterations; ++iteration) {
        if (!ticker.tick(std::min(iteration, kExpectedIterations - 1), kExpectedIterations))
            return false;
        level.apply(direction, product);
        const double curvature = Dot(level, direction, product);
        if (curvature <= 0)
            break;
        const double step = agreement / curvature;
        std::array<double, kRowParts> largestOfPart{};
        SplitNodes(level, [&](std::size_t begin, std::size_t end, std::size_t part) {
            double largest = 0;
            for (std::size_t at = begin; at < end; ++at) {
                heights[at] += step * direction[at];
                residual[at] -= step * product[at];
                largest = std::max(largest, std::abs(step * direction[at]));
            }
            largestOfPart[part] = largest;
        });
        const double largest = *std::max_element(largestOfPart.begin(), largestOfPart.end());
        if (largest < limits.tolerance)
            break;
        if (!ticker.pumpWhenDue())
            return false;
        const NodeValues* next = multigrid->precondition(residual);
        if (!next)
            return false;
        const NodeValues& preconditioned = *next;
        const double nextAgreement = Dot(level, residual, preconditioned);
        const double blend = nextAgreement / agreement;
        agreement = nextAgreement;
        SplitNodes(level, [&](std::size_t begin, std::size_t end, std::size_t) {
            for (std::size_t at = begin; at < end; ++at)
                direction[at] = preconditioned[at] + blend * direction[at];
        });
    }
    return true;
}

}  // namespace tarn::gridding
