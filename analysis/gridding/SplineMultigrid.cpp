#include "analysis/gridding/SplineMultigrid.h"

#include "analysis/gridding/Coarsening.h"

#include <algorithm>

namespace tarn::gridding {

namespace {

// Grids are made coarser while their longer side has more nodes than this;
// the coarsest is solved directly.
constexpr int kCoarsestNodes = 9;

}  // namespace

SplineMultigrid::SplineMultigrid(const SplineLevel& problem) : finest_(problem.homogeneous()) {}

std::optional<SplineMultigrid> SplineMultigrid::Build(const SplineLevel& problem, ProgressTicker& ticker)
{
    SplineMultigrid multigrid(problem);
    multigrid.ticker_ = &ticker;
    const auto keepGoing = [&ticker] { return ticker.pumpWhenDue(); };
    if (std::max(problem.columns(), problem.rows()) <= kCoarsestNodes)
        return multigrid;
    std::optional<StencilLevel> coarse = Coarsen(multigrid.finest_, keepGoing);
    while (coarse) {
        multigrid.coarser_.push_back(std::move(*coarse));
        const StencilLevel& last = multigrid.coarser_.back();
        if (std::max(last.columns(), last.rows()) <= kCoarsestNodes) {
            multigrid.buildCoarsestSolver();
            return multigrid;
        }
        coarse = Coarsen(last, keepGoing);
    }
    return std::nullopt;
}

void SplineMultigrid::buildCoarsestSolver()
{
    const StencilLevel& coarsest = coarser_.back();
    const std::size_t nodes = static_cast<std::size_t>(coarsest.columns()) * static_cast<std::size_t>(coarsest.rows());
    for (std::size_t at = 0; at < nodes; ++at)
        if (coarsest.takesPart(at))
            coarsestNodes_.push_back(at);
    const std::size_t count = coarsestNodes_.size();
    std::vector<std::size_t> position(nodes, count);
    for (std::size_t k = 0; k < count; ++k)
        position[coarsestNodes_[k]] = k;
    std::vector<double> matrix(count * count, 0.0);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = coarsestNodes_[k];
        const int column = static_cast<int>(at % static_cast<std::size_t>(coarsest.columns()));
        const int row = static_cast<int>(at / static_cast<std::size_t>(coarsest.columns()));
        for (int dr = -2; dr <= 2; ++dr)
            for (int dc = -2; dc <= 2; ++dc) {
                const int c = column + dc;
                const int r = row + dr;
                if (c < 0 || c >= coarsest.columns() || r < 0 || r >= coarsest.rows())
                    continue;
                const std::size_t other = position[coarsest.index(c, r)];
                if (other < count)
                    matrix[k * count + other] = coarsest.stencil(at)[StencilSlot(dc, dr)];
            }
    }
    coarsestSolver_.emplace(std::move(matrix), count);
}

const NodeValues* SplineMultigrid::precondition(const NodeValues& residual)
{
    const auto keepGoing = [this] { return ticker_->pumpWhenDue(); };
    std::fill(finest_.heights().begin(), finest_.heights().end(), 0.0);
    finest_.rhs() = residual;
    finest_.relax(Sweep::Forward);
    if (!keepGoing())
        return nullptr;
    if (!coarser_.empty()) {
        finest_.residual(residual_);
        Restrict(finest_.columns(), finest_.rows(), residual_, coarser_[0]);
        cycleCoarse(0);
        Prolong(coarser_[0], finest_, finest_.heights());
        if (!keepGoing())
            return nullptr;
    }
    finest_.relax(Sweep::Backward);
    return &finest_.heights();
}

void SplineMultigrid::cycleCoarse(std::size_t number)
{
    StencilLevel& fine = coarser_[number];
    std::fill(fine.heights().begin(), fine.heights().end(), 0.0);
    if (number + 1 == coarser_.size()) {
        std::vector<double> rhs(coarsestNodes_.size());
        for (std::size_t k = 0; k < rhs.size(); ++k)
            rhs[k] = fine.rhs()[coarsestNodes_[k]];
        const std::vector<double> solution = coarsestSolver_->solve(std::move(rhs));
        for (std::size_t k = 0; k < solution.size(); ++k)
            fine.heights()[coarsestNodes_[k]] = solution[k];
        return;
    }
    fine.relax(Sweep::Forward);
    StencilLevel& coarse = coarser_[number + 1];
    fine.residual(residual_);
    Restrict(fine.columns(), fine.rows(), residual_, coarse);
    cycleCoarse(number + 1);
    Prolong(coarse, fine, fine.heights());
    fine.relax(Sweep::Backward);
}

}  // namespace tarn::gridding
