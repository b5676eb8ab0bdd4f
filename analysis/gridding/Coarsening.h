#pragma once

#include "analysis/gridding/StencilLevel.h"

#include <optional>
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
    std::vector<int> sums_;
};

// The Galerkin operator P^T A P of a finer grid: its rows are
// fine.stencil(at), and P spreads as above to the nodes for which
// fine.takesPart(at). Where every finer node that a coarser row reaches is
// plain, the row is the same everywhere and is worked out once.
template <typename Fine>
StencilLevel Coarsen(const Fine& fine)
{
    const int fineColumns = fine.columns();
    const int fineRows = fine.rows();
    StencilLevel coarse(CoarserSize(fineColumns), CoarserSize(fineRows));
    const NotPlainCounter counter(fine);
    std::optional<Stencil> uniform;
    const auto parents = [](int at, int& first, int& count, double& weight) {
        first = at / 2;
        count = at % 2 == 0 ? 1 : 2;
        weight = at % 2 == 0 ? 1.0 : 0.5;
    };
    for (int row = 0; row < coarse.rows(); ++row)
        for (int column = 0; column < coarse.columns(); ++column) {
            const std::size_t at = coarse.index(column, row);
            const bool plain = counter.allPlain(2 * column - 3, 2 * row - 3, 2 * column + 3, 2 * row + 3);
            if (plain && uniform) {
                coarse.setRow(at, *uniform, true);
                continue;
            }
            Stencil out{};
            ForEachSpread(fineColumns, fineRows, column, row, [&](int pc, int pr, double pWeight) {
                if (!fine.takesPart(fine.index(pc, pr)))
                    return;
                const Stencil& fineRow = fine.stencil(fine.index(pc, pr));
                for (int sr = -2; sr <= 2; ++sr) {
                    const int qr = pr + sr;
                    if (qr < 0 || qr >= fineRows)
                        continue;
                    int firstRow = 0, rowCount = 0;
                    double rowWeight = 0;
                    parents(qr, firstRow, rowCount, rowWeight);
                    for (int sc = -2; sc <= 2; ++sc) {
                        const double a = fineRow[StencilSlot(sc, sr)];
                        const int qc = pc + sc;
                        if (a == 0 || qc < 0 || qc >= fineColumns || !fine.takesPart(fine.index(qc, qr)))
                            continue;
                        int firstColumn = 0, columnCount = 0;
                        double columnWeight = 0;
                        parents(qc, firstColumn, columnCount, columnWeight);
                        const double product = pWeight * a * rowWeight * columnWeight;
                        for (int jr = firstRow; jr < firstRow + rowCount; ++jr)
                            for (int jc = firstColumn; jc < firstColumn + columnCount; ++jc)
                                out[StencilSlot(jc - column, jr - row)] += product;
                    }
                }
            });
            if (plain)
                uniform = out;
            coarse.setRow(at, out, plain);
        }
    return coarse;
}

// coarse.rhs = P^T residual.
void Restrict(int fineColumns, int fineRows, const std::vector<double>& residual, StencilLevel& coarse);

// heights += P * coarse.heights, at the finer nodes that take part.
template <typename Fine>
void Prolong(const StencilLevel& coarse, const Fine& fine, std::vector<double>& heights)
{
    for (int row = 0; row < coarse.rows(); ++row)
        for (int column = 0; column < coarse.columns(); ++column) {
            const double correction = coarse.heights()[coarse.index(column, row)];
            if (correction == 0)
                continue;
            ForEachSpread(fine.columns(), fine.rows(), column, row, [&](int c, int r, double weight) {
                const std::size_t at = fine.index(c, r);
                if (fine.takesPart(at))
                    heights[at] += weight * correction;
            });
        }
}

}  // namespace tarn::gridding
