#include "analysis/gridding/SplineSolver.h"

#include "analysis/gridding/SplineMultigrid.h"

#include <algorithm>
#include <cmath>

namespace tarn::gridding {

namespace {

// The percentage shown runs over this many iterations (most runs take fewer).
constexpr int kExpectedIterations = 20;

double Dot(const std::vector<double>& a, const std::vector<double>& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += a[i] * b[i];
    return sum;
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
    double agreement = Dot(residual, direction);
    std::vector<double> product;
    auto& heights = level.heights();
    for (int iteration = 0; iteration < limits.maxIterations; ++iteration) {
        if (!ticker.tick(std::min(iteration, kExpectedIterations - 1), kExpectedIterations))
            return false;
        level.apply(direction, product);
        const double curvature = Dot(direction, product);
        if (curvature <= 0)
            break;
        const double step = agreement / curvature;
        double largest = 0;
        for (std::size_t at = 0; at < heights.size(); ++at) {
            heights[at] += step * direction[at];
            residual[at] -= step * product[at];
            largest = std::max(largest, std::abs(step * direction[at]));
        }
        if (largest < limits.tolerance)
            break;
        if (!ticker.pumpWhenDue())
            return false;
        const std::vector<double>* next = multigrid->precondition(residual);
        if (!next)
            return false;
        const std::vector<double>& preconditioned = *next;
        const double nextAgreement = Dot(residual, preconditioned);
        const double blend = nextAgreement / agreement;
        agreement = nextAgreement;
        for (std::size_t at = 0; at < direction.size(); ++at)
            direction[at] = preconditioned[at] + blend * direction[at];
    }
    return true;
}

}  // namespace tarn::gridding
