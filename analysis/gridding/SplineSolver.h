#pragma once

#include "analysis/gridding/SplineLevel.h"
#include "model/Progress.h"

namespace tarn::gridding {

struct SolverLimits {
    // Settled once an iteration moves no height by more than this.
    double tolerance = 0.01;
    int maxIterations = 200;
};

// Moves the free nodes of the level to the minimum of its energy by
// conjugate gradients, each step preconditioned with a multigrid V-cycle,
// starting from the heights it holds. Returns false when the ticker reports
// a cancel (the heights are then part-way).
bool SolveLevel(SplineLevel& level, const SolverLimits& limits, ProgressTicker& ticker);

}  // namespace tarn::gridding
