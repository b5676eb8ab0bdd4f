#pragma once

#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/SlopeEstimate.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarn::gridding {

// The known nodes of an area by place, for looking across traced lines.
class KnownPlaces {
public:
    KnownPlaces(int columns, int rows, std::span<const KnownNode> known);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    std::span<const KnownNode> known() const { return known_; }
    // The index of the known node at a node of the area, if any.
    std::optional<std::size_t> indexAt(int column, int row) const
    {
        if (!inside(column, row) || at_[slot(column, row)] < 0)
            return std::nullopt;
        return static_cast<std::size_t>(at_[slot(column, row)]);
    }
    // The height known at a node of the area, if any.
    std::optional<double> heightAt(int column, int row) const
    {
        if (!inside(column, row) || std::isnan(heights_[slot(column, row)]))
            return std::nullopt;
        return heights_[slot(column, row)];
    }
    // True when one of the node's eight neighbours is known with its height.
    bool onTracedLine(const KnownNode& node) const;

private:
    bool inside(int column, int row) const { return column >= 0 && row >= 0 && column < columns_ && row < rows_; }
    std::size_t slot(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }

    int columns_;
    int rows_;
    std::span<const KnownNode> known_;
    std::vector<std::int32_t> at_;  // index into known_, -1 where unknown
    std::vector<double> heights_;   // NaN where unknown
};

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
