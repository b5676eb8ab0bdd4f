#pragma once

#include "analysis/gridding/NodeArray.h"
#include "analysis/gridding/SplineLevel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tarn::gridding {

// A coarser grid of the multigrid solver: each node's row of the operator
// is a 5 x 5 stencil. Most nodes share one row (plain nodes, setPlain); the
// others have a row of their own (ownRow), added to in place. Every row is
// set before finish(), and the grid is used after it. A node whose diagonal
// is 0 takes no part (every finer node it would correct is held).
class StencilLevel {
public:
    // Loops over a large grid are shared with `helper` (ShareParts), or with
    // a thread started for each when it is null.
    StencilLevel(int columns, int rows, PartHelper* helper = nullptr);

    PartHelper* helper() const { return helper_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }

    // Room for this many rows of their own.
    void reserveOwnRows(std::size_t count) { ownRows_.reserve(count); }
    // Gives the node the shared row; the first call sets it.
    void setPlain(std::size_t at, const Stencil& shared)
    {
        if (!shared_)
            shared_ = shared;
        own_[at] = -1;
    }
    // The node's own row, zero when first asked for. References stay valid
    // while no more own rows are made than were reserved.
    Stencil& ownRow(std::size_t at)
    {
        if (own_[at] < 0) {
            own_[at] = static_cast<std::int32_t>(ownRows_.size());
            ownRows_.emplace_back();
        }
        return ownRows_[static_cast<std::size_t>(own_[at])];
    }
    // Notes which nodes take part, once every row is set.
    void finish();

    const Stencil& stencil(std::size_t at) const
    {
        return own_[at] < 0 ? *shared_ : ownRows_[static_cast<std::size_t>(own_[at])];
    }
    bool isPlain(std::size_t at) const { return own_[at] < 0; }
    // The row of the plain nodes, when there are any.
    const Stencil* sharedRow() const { return shared_ ? &*shared_ : nullptr; }
    NodeValues& heights() { return heights_; }
    const NodeValues& heights() const { return heights_; }
    NodeValues& rhs() { return rhs_; }
    bool takesPart(std::size_t at) const { return takesPart_[at] != 0; }

    // One Gauss-Seidel sweep, forward (row 0 first) or backward.
    void relax(Sweep direction);
    // rhs - (operator applied to the heights), 0 where a node takes no part.
    void residual(NodeValues& out) const;

private:
    double rowProduct(int column, int row, std::size_t at) const;
    void relaxNode(int column, int row);

    PartHelper* helper_;
    int columns_;
    int rows_;
    // Index into ownRows_ of each node's row, -1 for the shared one.
    NodeArray<std::int32_t> own_;
    NodeArray<Stencil> ownRows_;
    NodeArray<std::uint8_t> takesPart_;
    std::optional<Stencil> shared_;
    NodeValues heights_;
    NodeValues rhs_;
};

}  // namespace tarn::gridding
