#pragma once

#include "analysis/gridding/NodeArray.h"
#include "analysis/gridding/KnownNode.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarn::gridding {

// The known nodes of an area by place, for looking across traced lines.
// Keeps a view of `known`, which must outlive it.
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
    NodeArray<std::int32_t> at_;  // index into known_, -1 where unknown
    NodeValues heights_;   // NaN where unknown
};

}  // namespace tarn::gridding
