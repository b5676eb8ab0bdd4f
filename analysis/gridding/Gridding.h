#pragma once

#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/SlopeEstimate.h"
#include "model/Progress.h"

#include <optional>
#include <span>
#include <vector>

namespace tarn::gridding {

// The gridding engine: from the known nodes of a rectangular area to a
// height for every node of it.
//
// Method: a continuous-curvature spline in tension. The surface minimises
//   curvature energy (thin plate) + interior tension * slope energy
//   + boundary tension * slope across the area's edges,
// holding every known node at exactly its height. It is solved coarse to
// fine: coarser grids give the first guess, and on the finest grid
// conjugate gradients preconditioned by multigrid V-cycles settle it, so
// wide areas without known nodes converge as fast as small gaps.
//
// The options of the Interpolation Parameters dialog:
// - "Taughtness #1" (interior tension, n >= 0): the surface is held taut
//   over lengths of about 1/n of the area's longer side, so 0 is the pure
//   minimum-curvature surface, 1 (the default) reins in only the widest
//   empty stretches, and larger values pull the surface towards straight
//   slopes between the known nodes (less overshoot, sharper bends at them).
// - "Taughtness #2" (boundary tension, n >= 0): tension n/32 (at most
//   0.999) across the area's edges: 0 lets the surface run on freely past
//   the last known nodes, larger values level it out towards the edges.
//   The default 8 gives 0.25.
// - "Use calculated gradients": slopes are estimated at the known nodes
//   (on a traced line, across it from the next lines on either side;
//   elsewhere a plane fitted to the known nodes around) and held, softly, at
//   the known nodes that lie on traced lines (a neighbour known with the
//   same height). Across a contour the heights alone cannot tell the
//   slope, and without this the surface flattens along contours
//   (terracing).
// - "Optimise for speed": the solution stops when an iteration moves no
//   height by more than 1/2000 of the known heights' range instead of
//   1/100000. On heights of 0..1000 m, rounded to whole metres as the map
//   stores them, 1 to 3 % of the nodes differ from the closely settled
//   surface, by 1 or 2 m; the errors against the true terrain stay the
//   same, and the run takes about half the time.
// - "Extrapolate": when off, nodes outside the convex hull of the known
//   nodes are left at kNoHeight (-1001), so they stay Null.
struct GriddingOptions {
    int taughtness1 = 1;
    int taughtness2 = 8;
    bool useGradients = true;
    bool optimiseForSpeed = true;
    bool extrapolate = false;
};

inline constexpr double kNoHeight = -1001;

// Heights of an area, row by row from the top (north) row, each row from
// west to east.
struct HeightGrid {
    int columns = 0;
    int rows = 0;
    std::vector<double> heights;

    double at(int column, int row) const
    {
        return heights[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                       static_cast<std::size_t>(column)];
    }
};

// Throws ETarnError "E0083 ..." unless an area of columns x rows can be
// gridded (at least 2 nodes, at most as many as a map holds).
void CheckAreaSize(int columns, int rows);

// The slopes at the known nodes, for "Use calculated gradients". Nothing
// when the progress reports a cancel. Throws ETarnError "E0083 ..." for a
// bad area or a known node outside it.
std::optional<std::vector<NodeSlope>> CalculateGradients(int columns, int rows, std::span<const KnownNode> known,
                                                         IProgress& progress);

// The grid through the known nodes; `slopes` (from CalculateGradients on
// the same nodes) is used when the options ask for gradients and it is
// given. Nothing when the progress reports a cancel. Throws ETarnError
// "E0080 ..." without known nodes and "E0083 ..." for a bad area or a
// known node outside it.
std::optional<HeightGrid> MakeHeightGrid(int columns, int rows, std::span<const KnownNode> known,
                                         const GriddingOptions& options, const std::vector<NodeSlope>* slopes,
                                         IProgress& progress);

// Both steps, as the options say.
std::optional<HeightGrid> GridHeights(int columns, int rows, std::span<const KnownNode> known,
                                      const GriddingOptions& options, IProgress& progress);

}  // namespace tarn::gridding
