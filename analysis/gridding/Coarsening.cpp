#include "analysis/gridding/Coarsening.h"

namespace tarn::gridding {

void Restrict(int fineColumns, int fineRows, const std::vector<double>& residual, StencilLevel& coarse)
{
    for (int row = 0; row < coarse.rows(); ++row)
        for (int column = 0; column < coarse.columns(); ++column) {
            double sum = 0;
            ForEachSpread(fineColumns, fineRows, column, row, [&](int c, int r, double weight) {
                sum += weight * residual[static_cast<std::size_t>(r) * static_cast<std::size_t>(fineColumns) +
                                         static_cast<std::size_t>(c)];
            });
            coarse.rhs()[coarse.index(column, row)] = sum;
        }
}

}  // namespace tarn::gridding
