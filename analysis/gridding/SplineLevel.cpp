#include "analysis/gridding/SplineLevel.h"

#include "analysis/gridding/PipelinedSweep.h"
#include "analysis/gridding/SharedParts.h"

#include <algorithm>

namespace tarn::gridding {

SplineLevel::SplineLevel(int columns, int rows, SplineWeights weights, PartHelper* helper)
    : helper_(helper), columns_(columns), rows_(rows), uniform_(UniformStencil(weights)),
      heights_(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0.0),
      fixed_(heights_.size(), 0), rhs_(heights_.size(), 0.0), own_(heights_.size(), -1)
{
    const auto inner = [](int nodes) { return static_cast<std::size_t>(std::max(nodes - 4, 0)); };
    const std::size_t edgeNodes = heights_.size() - inner(columns) * inner(rows);
    ownRows_.reserve(edgeNodes);
    edgeStencils_.reserve(edgeNodes);
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            if (row < 2 || row >= rows_ - 2 || column < 2 || column >= columns_ - 2) {
                const Stencil s = EnergyStencil(columns_, rows_, weights, column, row);
                ownRow(index(column, row)) = KeptOf(s, static_cast<std::int32_t>(edgeStencils_.size()));
                edgeStencils_.push_back(s);
            }
}

SplineLevel::OwnRow SplineLevel::KeptOf(const Stencil& s, std::int32_t edgeStencil)
{
    return {s[kStencilCentre], s[StencilSlot(-2, 0)], s[StencilSlot(2, 0)], s[StencilSlot(0, -2)],
            s[StencilSlot(0, 2)], 0, edgeStencil};
}

SplineLevel::OwnRow& SplineLevel::ownRow(std::size_t at)
{
    if (own_[at] < 0) {
        own_[at] = static_cast<std::int32_t>(ownRows_.size());
        ownRows_.push_back(KeptOf(uniform_, -1));
    }
    return ownRows_[static_cast<std::size_t>(own_[at])];
}

void SplineLevel::addToOwnRow(std::size_t at, std::size_t slot, double value)
{
    OwnRow& own = ownRow(at);
    if (own.edgeStencil >= 0)
        edgeStencils_[static_cast<std::size_t>(own.edgeStencil)][slot] += value;
    double& kept = slot == kStencilCentre         ? own.centre
                   : slot == StencilSlot(-2, 0) ? own.west
                   : slot == StencilSlot(2, 0)  ? own.east
                   : slot == StencilSlot(0, -2) ? own.north
                                                : own.south;
    kept += value;
}

Stencil SplineLevel::stencil(std::size_t at) const
{
    if (own_[at] < 0)
        return uniform_;
    const OwnRow& own = ownRows_[static_cast<std::size_t>(own_[at])];
    if (own.edgeStencil >= 0)
        return edgeStencils_[static_cast<std::size_t>(own.edgeStencil)];
    Stencil s = uniform_;
    s[kStencilCentre] = own.centre;
    s[StencilSlot(-2, 0)] = own.west;
    s[StencilSlot(2, 0)] = own.east;
    s[StencilSlot(0, -2)] = own.north;
    s[StencilSlot(0, 2)] = own.south;
    return s;
}

// A term w * ((z_after - z_before) / 2 - slope)^2 adds w/4 to the diagonal
// of both nodes, -w/4 between them, and -+ w * slope / 2 to their constants.
void SplineLevel::addSlopeTerms(const std::vector<SlopeTerm>& terms)
{
    ownRows_.reserve(ownRows_.size() + 2 * terms.size());
    for (const SlopeTerm& term : terms) {
        const std::size_t towardsBefore = term.alongRow ? StencilSlot(-2, 0) : StencilSlot(0, -2);
        const std::size_t towardsAfter = term.alongRow ? StencilSlot(2, 0) : StencilSlot(0, 2);
        const double quarter = term.weight / 4;
        addToOwnRow(term.after, kStencilCentre, quarter);
        addToOwnRow(term.after, towardsBefore, -quarter);
        ownRow(term.after).constant -= term.weight * term.slope / 2;
        addToOwnRow(term.before, kStencilCentre, quarter);
        addToOwnRow(term.before, towardsAfter, -quarter);
        ownRow(term.before).constant += term.weight * term.slope / 2;
    }
}

SplineLevel SplineLevel::homogeneous() const
{
    SplineLevel copy(*this);
    std::fill(copy.heights_.begin(), copy.heights_.end(), 0.0);
    std::fill(copy.rhs_.begin(), copy.rhs_.end(), 0.0);
    for (OwnRow& row : copy.ownRows_)
        row.constant = 0;
    return copy;
}

double SplineLevel::uniformOffCentre(const double* values, std::size_t at) const
{
    const auto step = static_cast<std::ptrdiff_t>(columns_);
    const double* z = values + at;
    const Stencil& s = uniform_;
    return s[StencilSlot(-1, 0)] * (z[-1] + z[1] + z[-step] + z[step]) +
           s[StencilSlot(-1, -1)] * (z[-step - 1] + z[-step + 1] + z[step - 1] + z[step + 1]) +
           s[StencilSlot(-2, 0)] * (z[-2] + z[2] + z[-2 * step] + z[2 * step]);
}

double SplineLevel::edgeOffCentre(const Stencil& s, const double* values, int column, int row) const
{
    double sum = 0;
    for (int dr = -2; dr <= 2; ++dr) {
        const int r = row + dr;
        if (r < 0 || r >= rows_)
            continue;
        for (int dc = -2; dc <= 2; ++dc) {
            const int c = column + dc;
            if (c < 0 || c >= columns_ || (dr == 0 && dc == 0))
                continue;
            sum += s[StencilSlot(dc, dr)] * values[index(c, r)];
        }
    }
    return sum;
}

double SplineLevel::ownOffCentre(std::size_t own, const double* values, int column, int row, std::size_t at) const
{
    const OwnRow& kept = ownRows_[own];
    if (kept.edgeStencil >= 0)
        return edgeOffCentre(edgeStencils_[static_cast<std::size_t>(kept.edgeStencil)], values, column, row);
    const auto step = static_cast<std::ptrdiff_t>(columns_);
    const double* z = values + at;
    return uniform_[StencilSlot(-1, 0)] * (z[-1] + z[1] + z[-step] + z[step]) +
           uniform_[StencilSlot(-1, -1)] * (z[-step - 1] + z[-step + 1] + z[step - 1] + z[step + 1]) +
           kept.west * z[-2] + kept.east * z[2] + kept.north * z[-2 * step] + kept.south * z[2 * step];
}

void SplineLevel::relaxOwn(int column, int row, std::size_t at)
{
    const auto own = static_cast<std::size_t>(own_[at]);
    const OwnRow& kept = ownRows_[own];
    if (kept.centre > 0)
        heights_[at] = (rhs_[at] - kept.constant - ownOffCentre(own, heights_.data(), column, row, at)) / kept.centre;
}

void SplineLevel::relax(Sweep direction)
{
    // Uniform rows with every coefficient divided by the diagonal; the side
    // neighbour just moved is added last so that the chain from node to node
    // is one multiply-add.
    const double diagonal = uniform_[kStencilCentre];
    const double side = -uniform_[StencilSlot(-1, 0)] / diagonal;
    const double corner = -uniform_[StencilSlot(-1, -1)] / diagonal;
    const double far = -uniform_[StencilSlot(-2, 0)] / diagonal;
    const auto step = static_cast<std::ptrdiff_t>(columns_);
    const bool forward = direction == Sweep::Forward;
    const std::ptrdiff_t moved = forward ? -1 : 1;
    PipelinedSweep(helper_, columns_, rows_, forward, [&](int column, int row) {
        const std::size_t at = index(column, row);
        if (fixed_[at])
            return;
        if (own_[at] >= 0) {
            relaxOwn(column, row, at);
            return;
        }
        double* z = heights_.data() + at;
        const double partial = side * (z[-moved] + z[-step] + z[step]) +
                               corner * (z[-step - 1] + z[-step + 1] + z[step - 1] + z[step + 1]) +
                               far * (z[-2] + z[2] + z[-2 * step] + z[2 * step]) + rhs_[at] / diagonal;
        *z = partial + side * z[moved];
    });
}

void SplineLevel::apply(const NodeValues& values, NodeValues& out) const
{
    out.resize(size());
    SplitRows(helper_, rows_, size(),
              [&](int firstRow, int endRow, std::size_t) { applyRows(values, out, firstRow, endRow); });
}

void SplineLevel::applyRows(const NodeValues& values, NodeValues& out, int firstRow, int endRow) const
{
    for (int row = firstRow; row < endRow; ++row)
        for (int column = 0; column < columns_; ++column) {
            const std::size_t at = index(column, row);
            if (fixed_[at]) {
                out[at] = 0;
            } else if (own_[at] < 0) {
                out[at] = uniform_[kStencilCentre] * values[at] + uniformOffCentre(values.data(), at);
            } else {
                const auto own = static_cast<std::size_t>(own_[at]);
                out[at] = ownRows_[own].centre * values[at] + ownOffCentre(own, values.data(), column, row, at);
            }
        }
}

void SplineLevel::residual(NodeValues& out) const
{
    out.resize(size());
    SplitRows(helper_, rows_, size(), [&](int firstRow, int endRow, std::size_t) {
        applyRows(heights_, out, firstRow, endRow);
        const std::size_t end = index(0, endRow);
        for (std::size_t at = index(0, firstRow); at < end; ++at) {
            if (fixed_[at])
                continue;
            const double constant = own_[at] < 0 ? 0.0 : ownRows_[static_cast<std::size_t>(own_[at])].constant;
            out[at] = rhs_[at] - constant - out[at];
        }
    });
}

}  // namespace tarn::gridding
