#pragma once

#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/KnownPlaces.h"
#include "analysis/gridding/SlopeEstimate.h"

#include <span>

namespace tarn::gridding {

// The slope at a known node on a traced line, across the line. The line's
// direction comes from the nodes of the same height around it; from the node
// the estimate looks along the line's normal both ways for the first node
// of another height. With a neighbour line on both sides, the slope is that
// of the parabola through the three heights. With one side only (past the
// last line, or where the other side runs into the area's edge), it is that
// of the parabola through the node and the next two lines on that side,
// which is exact on a round hill or hollow, or the even slope to the next
// line when there is no second one. A side that meets the same height again
// (the line comes back round) or nothing within reach tells nothing; when
// neither side tells, the slope is unknown.
NodeSlope SlopeAcrossLine(const KnownPlaces& places, const KnownNode& node);

// For a node on a traced line whose own look told nothing (one side meets
// the line again, as inside a bend, and the other runs out of the area):
// the slope of the nearest node further along the same line that has one
// running across this node's line too, turned square to this node's line
// with its steepness and its side, from `slopes` (one per known node).
// Unknown when there is none.
NodeSlope SlopeFromAlongLine(const KnownPlaces& places, const KnownNode& node, std::span<const NodeSlope> slopes);

}  // namespace tarn::gridding
