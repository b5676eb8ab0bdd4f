#include "analysis/gridding/StencilLevel.h"

#include "analysis/gridding/PipelinedSweep.h"
#include "analysis/gridding/SharedParts.h"

namespace tarn::gridding {

StencilLevel::StencilLevel(int columns, int rows, PartHelper* helper)
    : helper_(helper), columns_(columns), rows_(rows),
      own_(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), -1),
      takesPart_(own_.size(), 0), heights_(own_.size(), 0.0), rhs_(own_.size(), 0.0)
{
}

void StencilLevel::finish()
{
    for (std::size_t at = 0; at < own_.size(); ++at)
        takesPart_[at] = stencil(at)[kStencilCentre] > 0 ? 1 : 0;
}

// The row's product with the heights, leaving out the node itself.
double StencilLevel::rowProduct(int column, int row, std::size_t at) const
{
    const Stencil& stencil = this->stencil(at);
    if (column >= 2 && column < columns_ - 2 && row >= 2 && row < rows_ - 2)
        return OffCentreProduct(stencil, heights_.data() + at, static_cast<std::ptrdiff_t>(columns_));
    double sum = 0;
    for (int dr = -2; dr <= 2; ++dr) {
        const int r = row + dr;
        if (r < 0 || r >= rows_)
            continue;
        for (int dc = -2; dc <= 2; ++dc) {
            const int c = column + dc;
            if (c < 0 || c >= columns_ || (dr == 0 && dc == 0))
                continue;
            sum += stencil[static_cast<std::size_t>((dr + 2) * 5 + dc + 2)] * heights_[index(c, r)];
        }
    }
    return sum;
}

void StencilLevel::relaxNode(int column, int row)
{
    const std::size_t at = index(column, row);
    if (takesPart(at))
        heights_[at] = (rhs_[at] - rowProduct(column, row, at)) / stencil(at)[kStencilCentre];
}

void StencilLevel::relax(Sweep direction)
{
    PipelinedSweep(helper_, columns_, rows_, direction == Sweep::Forward,
                   [this](int column, int row) { relaxNode(column, row); });
}

void StencilLevel::residual(NodeValues& out) const
{
    out.resize(heights_.size());
    SplitRows(helper_, rows_, heights_.size(), [&](int firstRow, int endRow, std::size_t) {
        for (int row = firstRow; row < endRow; ++row)
            for (int column = 0; column < columns_; ++column) {
                const std::size_t at = index(column, row);
                out[at] = takesPart(at)
                              ? rhs_[at] - rowProduct(column, row, at) - stencil(at)[kStencilCentre] * heights_[at]
                              : 0.0;
            }
    });
}

}  // namespace tarn::gridding
