#pragma once

#include "analysis/gridding/DenseSolver.h"
#include "analysis/gridding/SplineLevel.h"
#include "analysis/gridding/StencilLevel.h"

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
    explicit SplineMultigrid(const SplineLevel& problem);

    // An approximate solution of operator * correction = residual: one
    // V-cycle from 0. The result stays valid until the next call.
    const std::vector<double>& precondition(const std::vector<double>& residual);

private:
    void cycleCoarse(std::size_t number);
    void buildCoarsestSolver();

    SplineLevel finest_;
    std::vector<StencilLevel> coarser_;
    std::vector<std::size_t> coarsestNodes_;  // the coarsest grid's nodes that take part
    std::optional<DenseSolver> coarsestSolver_;
    std::vector<double> residual_;
};

}  // namespace tarn::gridding
