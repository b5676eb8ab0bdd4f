#include "analysis/gridding/SplineSolver.h"

#include "analysis/gridding/SplineMultigrid.h"
#include "analysis/gridding/SplitRows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarn::gridding {

namespace {

// The percentage shown runs over this many iterations (most runs take fewer).
constexpr int kExpectedIterations = 20;

// Calls work(begin, end) for the node ranges of the level's row halves
// (SplitRows).
template <typename Work>
void SplitNodes(const SplineLevel& level, const Work& work)
{
    SplitRows(level.rows(), level.size(),
              [&](int firstRow, int endRow) { work(level.index(0, firstRow), level.index(0, endRow)); });
}

// The halves are summed apart and then added in order, so the sum does not
// depend on the threads' timing.
double Dot(const SplineLevel& level, const std::vector<double>& a, const std::vector<double>& b)
{
    std::array<double, 2> halves{};
    SplitNodes(level, [&](std::size_t begin, std::size_t end) {
        double sum = 0;
        for (std::size_t i = begin; i < end; ++i)
            sum += a[i] * b[i];
        halves[begin == 0 ? 0 : 1] = sum;
    });
    return halves[0] + halves[1];
}

}  // namespace

bool SolveLevel(SplineLevel& level, const SolverLimits& limits, ProgressTicker& ticker)
{
    std::optional<SplineMultigrid> multigrid = SplineMultigrid::Build(level, ticker);
    if (!multigrid)
        return false;
    std::vector<double> residual;
    level.residual(residual);
    const std::vector<double>* first = multigrid->precondition(residual);
    if (!first)
        return false;
    std::vector<double> direction = *first;
    double agreement = Dot(level, residual, direction);
    std::vector<double> product;
    auto& heights = level.heights();
    for (int iteration = 0; iteration < limits.maxIterations; ++iteration) {
        if (!ticker.tick(std::min(iteration, kExpectedIterations - 1), kExpectedIterations))
            return false;
        level.apply(direction, product);
        const double curvature = Dot(level, direction, product);
        if (curvature <= 0)
            break;
        const double step = agreement / curvature;
        std::array<double, 2> largestOfHalf{};
        SplitNodes(level, [&](std::size_t begin, std::size_t end) {
            double largest = 0;
            for (std::size_t at = begin; at < end; ++at) {
                heights[at] += step * direction[at];
                residual[at] -= step * product[at];
                largest = std::max(largest, std::abs(step * direction[at]));
            }
            largestOfHalf[begin == 0 ? 0 : 1] = largest;
        });
        const double largest = std::max(largestOfHalf[0], largestOfHalf[1]);
        if (largest < limits.tolerance)
            break;
        if (!ticker.pumpWhenDue())
            return false;
        const std::vector<double>* next = multigrid->precondition(residual);
        if (!next)
            return false;
        const std::vector<double>& preconditioned = *next;
        const double nextAgreement = Dot(level, residual, preconditioned);
        const double blend = nextAgreement / agreement;
        agreement = nextAgreement;
        SplitNodes(level, [&](std::size_t begin, std::size_t end) {
            for (std::size_t at = begin; at < end; ++at)
                direction[at] = preconditioned[at] + blend * direction[at];
        });
    }
    return true;
}

}  // namespace tarn::gridding
