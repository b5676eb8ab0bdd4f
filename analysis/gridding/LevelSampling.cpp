#include "analysis/gridding/LevelSampling.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarn::gridding {

namespace {

// Catmull-Rom weights of the four nodes around a point at fraction t past
// the second of them.
std::array<double, 4> CubicWeights(double t)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    return {0.5 * (-t3 + 2 * t2 - t), 0.5 * (3 * t3 - 5 * t2 + 2), 0.5 * (-3 * t3 + 4 * t2 + t),
            0.5 * (t3 - t2)};
}

}  // namespace

double SampleLevel(const SplineLevel& level, double column, double row)
{
    const int lastColumn = level.columns() - 1;
    const int lastRow = level.rows() - 1;
    const double x = std::clamp(column, 0.0, static_cast<double>(lastColumn));
    const double y = std::clamp(row, 0.0, static_cast<double>(lastRow));
    const int baseColumn = std::min(static_cast<int>(x), std::max(lastColumn - 1, 0));
    const int baseRow = std::min(static_cast<int>(y), std::max(lastRow - 1, 0));
    const auto wx = CubicWeights(x - baseColumn);
    const auto wy = CubicWeights(y - baseRow);
    const auto& heights = level.heights();
    double sum = 0;
    for (int j = 0; j < 4; ++j) {
        const int r = std::clamp(baseRow - 1 + j, 0, lastRow);
        double rowSum = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = std::clamp(baseColumn - 1 + i, 0, lastColumn);
            rowSum += wx[static_cast<std::size_t>(i)] * heights[level.index(c, r)];
        }
        sum += wy[static_cast<std::size_t>(j)] * rowSum;
    }
    return sum;
}

void RefineInto(const SplineLevel& coarser, int ratio, SplineLevel& finer)
{
    const double scale = 1.0 / ratio;
    auto& heights = finer.heights();
    for (int row = 0; row < finer.rows(); ++row)
        for (int column = 0; column < finer.columns(); ++column)
            heights[finer.index(column, row)] = SampleLevel(coarser, column * scale, row * scale);
}

}  // namespace tarn::gridding
