#include "analysis/gridding/Coarsening.h"

#include "analysis/gridding/SharedParts.h"

namespace tarn::gridding {

void Restrict(int fineColumns, int fineRows, const NodeValues& residual, StencilLevel& coarse)
{
    const std::size_t nodes = static_cast<std::size_t>(fineColumns) * static_cast<std::size_t>(fineRows);
    SplitRows(coarse.helper(), coarse.rows(), nodes, [&](int firstRow, int endRow, std::size_t) {
        for (int row = firstRow; row < endRow; ++row)
            for (int column = 0; column < coarse.columns(); ++column) {
                double sum = 0;
                ForEachSpread(fineColumns, fineRows, column, row, [&](int c, int r, double weight) {
                    sum += weight * residual[static_cast<std::size_t>(r) * static_cast<std::size_t>(fineColumns) +
                                             static_cast<std::size_t>(c)];
                });
                coarse.rhs()[coarse.index(column, row)] = sum;
            }
    });
}

}  // namespace tarn::gridding
