#pragma once

#include "analysis/gridding/SplineLevel.h"

namespace tarn::gridding {

// The height of a level's surface between its nodes, at (column, row) in
// that level's node units: a bicubic (Catmull-Rom) blend of the 4 x 4 nodes
// around the point, with the grid's edge nodes repeated beyond it.
double SampleLevel(const SplineLevel& level, double column, double row);

// Fills every node of `finer` from `coarser`, whose nodes lie `ratio` finer
// nodes apart.
void RefineInto(const SplineLevel& coarser, int ratio, SplineLevel& finer);

}  // namespace tarn::gridding
