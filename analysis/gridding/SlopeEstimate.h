#pragma once

#include "analysis/gridding/KnownNode.h"
#include "model/Progress.h"

#include <optional>
#include <span>
#include <vector>

namespace tarn::gridding {

// The slope of the surface at a known node, in height units per node step:
// towards the east (growing column) and towards the south (growing row).
struct NodeSlope {
    double east = 0;
    double south = 0;
    bool known = false;  // false where the neighbourhood could not tell
};

// Estimates the slope at every known node from the known nodes around it.
// At a node on a traced line (a neighbour known with the same height) it is
// the slope across the line towards the next lines on either side (see
// SlopeAcrossLine, or SlopeFromAlongLine where that tells nothing).
// Elsewhere it is a plane through the node fitted by least
// squares to its neighbours, nearer ones weighing more; the neighbourhood
// grows until it holds nodes of other heights.
// Nothing when the ticker reports a cancel.
std::optional<std::vector<NodeSlope>> EstimateSlopes(int columns, int rows, std::span<const KnownNode> known,
                                                     ProgressTicker& ticker);

}  // namespace tarn::gridding
