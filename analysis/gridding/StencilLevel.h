#pragma once

#include "analysis/gridding/SplineLevel.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tarn::gridding {

// A coarser grid of the multigrid solver: each node's row of the operator
// is stored as a 5 x 5 stencil, set once (setRow) before the grid is used.
// A node whose diagonal is 0 takes no part (every finer node it would
// correct is held).
class StencilLevel {
public:
    StencilLevel(int columns, int rows);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }

    const Stencil& stencil(std::size_t at) const { return stencils_[at]; }
    // Sets a node's row; `plain` marks the row that most nodes share.
    void setRow(std::size_t at, const Stencil& row, bool plain)
    {
        stencils_[at] = row;
        plain_[at] = plain ? 1 : 0;
        takesPart_[at] = row[kStencilCentre] > 0 ? 1 : 0;
        if (plain && !shared_)
            shared_ = row;
    }
    // A row to add to in place; setRow it again once complete.
    Stencil& row(std::size_t at) { return stencils_[at]; }
    bool isPlain(std::size_t at) const { return plain_[at] != 0; }
    // The row of the plain nodes, when there are any.
    const Stencil* sharedRow() const { return shared_ ? &*shared_ : nullptr; }
    std::vector<double>& heights() { return heights_; }
    const std::vector<double>& heights() const { return heights_; }
    std::vector<double>& rhs() { return rhs_; }
    bool takesPart(std::size_t at) const { return takesPart_[at] != 0; }

    // One Gauss-Seidel sweep, forward (row 0 first) or backward.
    void relax(Sweep direction);
    // rhs - (operator applied to the heights), 0 where a node takes no part.
    void residual(std::vector<double>& out) const;

private:
    double rowProduct(int column, int row, std::size_t at) const;
    void relaxNode(int column, int row);

    int columns_;
    int rows_;
    // Left unset at first: every row is set once before use.
    std::unique_ptr<Stencil[]> stencils_;
    std::vector<std::uint8_t> plain_;
    std::vector<std::uint8_t> takesPart_;
    std::optional<Stencil> shared_;
    std::vector<double> heights_;
    std::vector<double> rhs_;
};

}  // namespace tarn::gridding
