#pragma once

#include "analysis/gridding/NodeArray.h"
#include "analysis/gridding/SharedParts.h"
#include "analysis/gridding/SplineEnergy.h"

#include <cstdint>
#include <vector>

namespace tarn::gridding {

// A soft condition that the slope across a known node, (z[after] -
// z[before]) / 2, be `slope`, with the given weight; before and after are
// the node's neighbours on either side along a row or a column.
struct SlopeTerm {
    bool alongRow = true;
    std::size_t before = 0;
    std::size_t after = 0;
    double slope = 0;
    double weight = 0;
};

enum class Sweep { Forward, Backward };

// The finest grid of the solver: heights, which nodes are held, a
// right-hand side, and the equations "operator * heights + constant = rhs"
// at the free nodes whose solution is the minimum of the spline's energy.
// Nodes away from the edges and from slope terms share one stencil; the
// others keep their own.
class SplineLevel {
public:
    // Loops over a large grid are shared with `helper` (ShareParts), or with
    // a thread started for each when it is null.
    SplineLevel(int columns, int rows, SplineWeights weights, PartHelper* helper = nullptr);

    PartHelper* helper() const { return helper_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    std::size_t size() const { return heights_.size(); }
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }

    NodeValues& heights() { return heights_; }
    const NodeValues& heights() const { return heights_; }
    // 1 where the height is held, 0 where the relaxation may move it.
    NodeArray<std::uint8_t>& fixed() { return fixed_; }
    const NodeArray<std::uint8_t>& fixed() const { return fixed_; }
    NodeValues& rhs() { return rhs_; }

    // Adds slope conditions.
    void addSlopeTerms(const std::vector<SlopeTerm>& terms);

    // The same grid and equations with every held height, every slope and the
    // right-hand side at 0: the equations that a correction of the heights
    // satisfies.
    SplineLevel homogeneous() const;

    // The operator's row of a node.
    Stencil stencil(std::size_t at) const;

    bool takesPart(std::size_t at) const { return fixed_[at] == 0; }
    bool isPlain(std::size_t at) const { return fixed_[at] == 0 && own_[at] < 0; }
    const Stencil* sharedRow() const { return &uniform_; }

    // out = operator * values at the free nodes (constants left out), 0 at
    // the held ones.
    void apply(const NodeValues& values, NodeValues& out) const;

    // One Gauss-Seidel sweep over the free nodes, row by row, forward (row 0
    // first) or backward.
    void relax(Sweep direction);
    // rhs - operator * heights - constant at the free nodes, 0 at the held
    // ones.
    void residual(NodeValues& out) const;

private:
    // A node's own row. Away from the edges it differs from the shared row
    // only at its centre and at the four nodes two steps away, which are all
    // it keeps; a row near an edge keeps its whole stencil besides.
    struct OwnRow {
        double centre;
        double west;
        double east;
        double north;
        double south;
        double constant;
        std::int32_t edgeStencil;  // index into edgeStencils_, -1 away from the edges
    };
    // apply() for the rows [firstRow, endRow).
    void applyRows(const NodeValues& values, NodeValues& out, int firstRow, int endRow) const;
    // The coefficients an own row keeps of a stencil, with no constant.
    static OwnRow KeptOf(const Stencil& s, std::int32_t edgeStencil);
    OwnRow& ownRow(std::size_t at);
    // Adds `value` to one coefficient of a node's own row, one of those an
    // own row away from the edges keeps.
    void addToOwnRow(std::size_t at, std::size_t slot, double value);
    // The sum over an edge row's other nodes of coefficient times height.
    double edgeOffCentre(const Stencil& s, const double* values, int column, int row) const;
    double uniformOffCentre(const double* values, std::size_t at) const;
    double ownOffCentre(std::size_t own, const double* values, int column, int row, std::size_t at) const;
    void relaxOwn(int column, int row, std::size_t at);

    PartHelper* helper_;
    int columns_;
    int rows_;
    Stencil uniform_;
    NodeValues heights_;
    NodeArray<std::uint8_t> fixed_;
    NodeValues rhs_;
    // Index into ownRows_ of each node's row, -1 for the uniform one.
    NodeArray<std::int32_t> own_;
    NodeArray<OwnRow> ownRows_;
    std::vector<Stencil> edgeStencils_;
};

}  // namespace tarn::gridding
