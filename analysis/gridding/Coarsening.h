#pragma once

#include "analysis/gridding/NodeArray.h"
#include "analysis/gridding/SharedParts.h"
#include "analysis/gridding/StencilLevel.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

namespace tarn::gridding {

// The grid transfers of the multigrid solver. A coarser grid takes every
// second node of the finer one (and one more beyond an odd edge). A coarser
// node's correction spreads bilinearly to the finer nodes within one step
// of it (weight 1 on its own node, 1/2 per step away along each axis),
// except to nodes that do not take part; the residual comes back the same
// way (the transpose).

inline int CoarserSize(int nodes)
{
    return nodes / 2 + 1;
}

// Calls visit(column, row, weight) for the finer nodes that the coarser node
// (column, row) spreads to, each within the finer grid.
template <typename Visit>
void ForEachSpread(int fineColumns, int fineRows, int column, int row, Visit visit)
{
    for (int dr = -1; dr <= 1; ++dr) {
        const int r = 2 * row + dr;
        if (r < 0 || r >= fineRows)
            continue;
        for (int dc = -1; dc <= 1; ++dc) {
            const int c = 2 * column + dc;
            if (c >= 0 && c < fineColumns)
                visit(c, r, (dr == 0 ? 1.0 : 0.5) * (dc == 0 ? 1.0 : 0.5));
        }
    }
}

// Counts the finer nodes that are not plain (do not take part, or have a
// row of their own) in any rectangle of the grid.
class NotPlainCounter {
public:
    template <typename Fine>
    explicit NotPlainCounter(const Fine& fine)
        : columns_(fine.columns()), rows_(fine.rows()),
          sums_(static_cast<std::size_t>(columns_ + 1) * static_cast<std::size_t>(rows_ + 1), 0)
    {
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < columns_; ++c)
                sums_[slot(c + 1, r + 1)] = (fine.isPlain(fine.index(c, r)) ? 0 : 1) + sums_[slot(c, r + 1)] +
                                            sums_[slot(c + 1, r)] - sums_[slot(c, r)];
    }

    // True when every node of columns first..last, rows first..last lies in
    // the grid and is plain.
    bool allPlain(int firstColumn, int firstRow, int lastColumn, int lastRow) const
    {
        if (firstColumn < 0 || firstRow < 0 || lastColumn >= columns_ || lastRow >= rows_)
            return false;
        return sums_[slot(lastColumn + 1, lastRow + 1)] - sums_[slot(firstColumn, lastRow + 1)] -
                   sums_[slot(lastColumn + 1, firstRow)] + sums_[slot(firstColumn, firstRow)] ==
               0;
    }

private:
    std::size_t slot(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_ + 1) + static_cast<std::size_t>(column);
    }

    int columns_;
    int rows_;
    NodeArray<int> sums_;
};

namespace coarsening {

// The coarser nodes along one axis that the finer node `fine` takes its
// correction from: fine / 2, or the two around it with weight 1/2 each.
struct Parents {
    int first;
    int count;
    double weight;
};
inline Parents ParentsOf(int fine)
{
    const int half = fine >= 0 ? fine / 2 : -((1 - fine) / 2);
    return fine % 2 == 0 ? Parents{half, 1, 1.0} : Parents{half, 2, 0.5};
}

// Adds to `out` (a row of the coarser node at the origin) the part that
// comes through the finer node at offset (pc, pr) from the coarser node's
// own finer node, with weight pWeight, from that node's row; skip(qc, qr)
// tells which of the row's nodes (offsets as for p) do not take part.
template <typename Skip>
void AddThroughFineNode(Stencil& out, int pc, int pr, double pWeight, const Stencil& fineRow, Skip skip)
{
    for (int sr = -2; sr <= 2; ++sr) {
        const Parents rows = ParentsOf(pr + sr);
        for (int sc = -2; sc <= 2; ++sc) {
            const double a = fineRow[StencilSlot(sc, sr)];
            if (a == 0 || skip(pc + sc, pr + sr))
                continue;
            const Parents columns = ParentsOf(pc + sc);
            const double product = pWeight * a * rows.weight * columns.weight;
            for (int jr = rows.first; jr < rows.first + rows.count; ++jr)
                for (int jc = columns.first; jc < columns.first + columns.count; ++jc)
                    out[StencilSlot(jc, jr)] += product;
        }
    }
}

}  // namespace coarsening

namespace coarsening {

// The finer nodes whose 5 x 5 neighbourhood lies in the grid and takes
// part, with the shared row themselves.
template <typename Fine>
NodeArray<std::uint8_t> OpenPlainNodes(const Fine& fine)
{
    const int columns = fine.columns();
    const int rows = fine.rows();
    NodeArray<std::uint8_t> openPlain(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
    NodeArray<int> blocked(static_cast<std::size_t>(columns + 1) * static_cast<std::size_t>(rows + 1), 0);
    const auto slot = [columns](int c, int r) {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(columns + 1) + static_cast<std::size_t>(c);
    };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            blocked[slot(c + 1, r + 1)] = (fine.takesPart(fine.index(c, r)) ? 0 : 1) + blocked[slot(c, r + 1)] +
                                          blocked[slot(c + 1, r)] - blocked[slot(c, r)];
    for (int r = 2; r < rows - 2; ++r)
        for (int c = 2; c < columns - 2; ++c)
            openPlain[fine.index(c, r)] =
                fine.isPlain(fine.index(c, r)) && blocked[slot(c + 3, r + 3)] - blocked[slot(c - 2, r + 3)] -
                                                          blocked[slot(c + 3, r - 2)] + blocked[slot(c - 2, r - 2)] ==
                                                      0;
    return openPlain;
}

// A finer node's row times P: its coefficients gathered onto the coarser
// nodes, on the 4 x 4 coarser nodes from (firstColumn, firstRow).
struct GatheredRow {
    int firstColumn;
    int firstRow;
    std::array<double, 16> values{};
};

}  // namespace coarsening

// The Galerkin operator P^T A P of a finer grid: its rows are
// fine.stencil(at), and P spreads as above to the nodes for which
// fine.takesPart(at). Each finer node that takes part adds its row times P,
// weighted, to the rows of the coarser nodes that spread to it; a finer node
// with the shared row whose whole row takes part adds the same pattern
// wherever it lies, worked out once. A coarser row reached only by such
// nodes is that pattern's sum, the same everywhere. keepGoing() is asked
// after each finer row; nothing when it says no.
template <typename Fine, typename KeepGoing>
std::optional<StencilLevel> Coarsen(const Fine& fine, KeepGoing keepGoing)
{
    using coarsening::AddThroughFineNode;
    using coarsening::ParentsOf;
    const int fineColumns = fine.columns();
    const int fineRows = fine.rows();
    StencilLevel coarse(CoarserSize(fineColumns), CoarserSize(fineRows), fine.helper());
    const NotPlainCounter counter(fine);
    const NodeArray<std::uint8_t> openPlain = coarsening::OpenPlainNodes(fine);

    const Stencil* shared = fine.sharedRow();
    std::array<Stencil, 9> through{};
    Stencil uniform{};
    if (shared)
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                Stencil& part = through[static_cast<std::size_t>((dr + 1) * 3 + dc + 1)];
                AddThroughFineNode(part, dc, dr, (dr == 0 ? 1.0 : 0.5) * (dc == 0 ? 1.0 : 0.5), *shared,
                                   [](int, int) { return false; });
                for (std::size_t k = 0; k < part.size(); ++k)
                    uniform[k] += part[k];
            }

    const std::size_t coarseNodes =
        static_cast<std::size_t>(coarse.columns()) * static_cast<std::size_t>(coarse.rows());
    NodeArray<std::uint8_t> plain(coarseNodes, 0);
    std::size_t ownRows = 0;
    for (int row = 0; row < coarse.rows(); ++row)
        for (int column = 0; column < coarse.columns(); ++column) {
            const std::size_t at = coarse.index(column, row);
            plain[at] = counter.allPlain(2 * column - 3, 2 * row - 3, 2 * column + 3, 2 * row + 3) ? 1 : 0;
            ownRows += plain[at] ? 0 : 1;
        }
    coarse.reserveOwnRows(ownRows);
    for (std::size_t at = 0; at < coarseNodes; ++at)
        if (plain[at])
            coarse.setPlain(at, uniform);
        else
            coarse.ownRow(at);

    const auto takesPartAt = [&](int c, int r) {
        return c >= 0 && c < fineColumns && r >= 0 && r < fineRows && fine.takesPart(fine.index(c, r));
    };
    // The coarser rows are cut into parts shared by two threads: each part
    // adds, in the same order as alone, to the rows of its own coarser nodes
    // only, from the finer rows that reach them. Only the calling thread
    // asks keepGoing(), never again once it has said no; the other thread
    // stops then too.
    // It is asked once before the work is shared out too, so that a stop
    // is seen even when the other thread takes every part.
    if (!keepGoing())
        return std::nullopt;
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> stopped = false;
    const auto addCoarseRows = [&](int firstRow, int endRow, std::size_t) {
        const auto ownRowAt = [&](int ic, int ir) {
            return ir >= firstRow && ir < endRow && !plain[coarse.index(ic, ir)];
        };
        for (int pr = std::max(2 * firstRow - 1, 0); pr < std::min(2 * endRow, fineRows); ++pr) {
            if (stopped)
                return;
            if (std::this_thread::get_id() == caller && !keepGoing()) {
                stopped = true;
                return;
            }
            const auto parentRows = ParentsOf(pr);
            for (int pc = 0; pc < fineColumns; ++pc) {
                const std::size_t p = fine.index(pc, pr);
                if (!fine.takesPart(p))
                    continue;
                const auto parentColumns = ParentsOf(pc);
                bool reachesOwnRow = false;
                for (int ir = parentRows.first; ir < parentRows.first + parentRows.count; ++ir)
                    for (int ic = parentColumns.first; ic < parentColumns.first + parentColumns.count; ++ic)
                        reachesOwnRow = reachesOwnRow || ownRowAt(ic, ir);
                if (!reachesOwnRow)
                    continue;
                if (openPlain[p]) {
                    for (int ir = parentRows.first; ir < parentRows.first + parentRows.count; ++ir)
                        for (int ic = parentColumns.first; ic < parentColumns.first + parentColumns.count; ++ic) {
                            if (!ownRowAt(ic, ir))
                                continue;
                            const Stencil& part =
                                through[static_cast<std::size_t>((pr - 2 * ir + 1) * 3 + pc - 2 * ic + 1)];
                            Stencil& out = coarse.ownRow(coarse.index(ic, ir));
                            for (std::size_t k = 0; k < out.size(); ++k)
                                out[k] += part[k];
                        }
                    continue;
                }
                // The row times P, gathered once, then weighted into each parent.
                coarsening::GatheredRow gathered{ParentsOf(pc - 2).first, ParentsOf(pr - 2).first};
                const Stencil& fineRow = fine.stencil(p);
                for (int sr = -2; sr <= 2; ++sr) {
                    const auto rows = ParentsOf(pr + sr);
                    for (int sc = -2; sc <= 2; ++sc) {
                        const double a = fineRow[StencilSlot(sc, sr)];
                        if (a == 0 || !takesPartAt(pc + sc, pr + sr))
                            continue;
                        const auto columns = ParentsOf(pc + sc);
                        const double product = a * rows.weight * columns.weight;
                        for (int jr = rows.first; jr < rows.first + rows.count; ++jr)
                            for (int jc = columns.first; jc < columns.first + columns.count; ++jc)
                                gathered.values[static_cast<std::size_t>((jr - gathered.firstRow) * 4 + jc -
                                                                         gathered.firstColumn)] += product;
                    }
                }
                for (int ir = parentRows.first; ir < parentRows.first + parentRows.count; ++ir)
                    for (int ic = parentColumns.first; ic < parentColumns.first + parentColumns.count; ++ic) {
                        if (!ownRowAt(ic, ir))
                            continue;
                        const double weight = parentRows.weight * parentColumns.weight;
                        Stencil& out = coarse.ownRow(coarse.index(ic, ir));
                        for (int jr = 0; jr < 4; ++jr)
                            for (int jc = 0; jc < 4; ++jc) {
                                const double value = gathered.values[static_cast<std::size_t>(jr * 4 + jc)];
                                if (value != 0)
                                    out[StencilSlot(gathered.firstColumn + jc - ic, gathered.firstRow + jr - ir)] +=
                                        weight * value;
                            }
                    }
            }
        }
    };
    SplitRows(fine.helper(), coarse.rows(), static_cast<std::size_t>(fineColumns) * static_cast<std::size_t>(fineRows),
              addCoarseRows);
    if (stopped)
        return std::nullopt;
    coarse.finish();
    return coarse;
}

// coarse.rhs = P^T residual.
void Restrict(int fineColumns, int fineRows, const NodeValues& residual, StencilLevel& coarse);

// heights += P * coarse.heights, at the finer nodes that take part.
template <typename Fine>
void Prolong(const StencilLevel& coarse, const Fine& fine, NodeValues& heights)
{
    using coarsening::ParentsOf;
    const NodeValues& corrections = coarse.heights();
    const std::size_t nodes = static_cast<std::size_t>(fine.columns()) * static_cast<std::size_t>(fine.rows());
    SplitRows(fine.helper(), fine.rows(), nodes, [&](int firstRow, int endRow, std::size_t) {
        for (int row = firstRow; row < endRow; ++row) {
            const auto rows = ParentsOf(row);
            for (int column = 0; column < fine.columns(); ++column) {
                const std::size_t at = fine.index(column, row);
                if (!fine.takesPart(at))
                    continue;
                const auto columns = ParentsOf(column);
                double sum = 0;
                for (int r = rows.first; r < rows.first + rows.count; ++r)
                    for (int c = columns.first; c < columns.first + columns.count; ++c)
                        sum += corrections[coarse.index(c, r)];
                heights[at] += rows.weight * columns.weight * sum;
            }
        }
    });
}

}  // namespace tarn::gridding
