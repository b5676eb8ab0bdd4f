#pragma once

#include "analysis/gridding/NodeArray.h"
#include "analysis/gridding/DenseSolver.h"
#include "analysis/gridding/SplineLevel.h"
#include "analysis/gridding/StencilLevel.h"
#include "model/Progress.h"

#include <optional>
#include <vector>

namespace tarn::gridding {

// A multigrid V-cycle for the correction equations of a level whose held
// nodes are fixed, used as the preconditioner of conjugate gradients. The
// coarser operators are the finer ones seen through the bilinear spreading
// of corrections (Galerkin, see Coarsening.h), so a correction never moves
// a held height; the coarsest grid is solved directly. Smoothing runs
// forward before and backward after the coarser correction, which keeps the
// cycle symmetric.
class SplineMultigrid {
public:
    // Nothing when the ticker reports a cancel while the coarser grids are
    // made.
    static std::optional<SplineMultigrid> Build(const SplineLevel& problem, ProgressTicker& ticker);

    // An approximate solution of operator * correction = residual: one
    // V-cycle from 0. The result stays valid until the next call; nothing
    // when the ticker reports a cancel on the way.
    const NodeValues* precondition(const NodeValues& residual);

private:
    explicit SplineMultigrid(const SplineLevel& problem);
    void cycleCoarse(std::size_t number);
    void buildCoarsestSolver();

    ProgressTicker* ticker_ = nullptr;
    SplineLevel finest_;
    std::vector<StencilLevel> coarser_;
    std::vector<std::size_t> coarsestNodes_;  // the coarsest grid's nodes that take part
    std::optional<DenseSolver> coarsestSolver_;
    NodeValues residual_;
};

}  // namespace tarn::gridding
