#include "analysis/gridding/Smoothing.h"

#include "model/MapHeader.h"
#include "model/Net.h"

#include <algorithm>
#include <vector>

namespace tarn::gridding {

void SmoothHeights(TNet& net, int minHeight)
{
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    auto& points = net.Points();
    const auto at = [columns](int column, int row) {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column);
    };
    std::vector<std::int16_t> smoothed(points.size(), kNullHeight);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (points[at(column, row)].Height == kNullHeight)
                continue;
            double sum = 0;
            int known = 0;
            for (int r = std::max(row - 1, 0); r <= std::min(row + 1, rows - 1); ++r)
                for (int c = std::max(column - 1, 0); c <= std::min(column + 1, columns - 1); ++c)
                    if (points[at(c, r)].Height != kNullHeight) {
                        sum += points[at(c, r)].Height;
                        ++known;
                    }
            smoothed[at(column, row)] =
                std::max<std::int16_t>(RoundToInt16(sum / known), static_cast<std::int16_t>(minHeight));
        }
    std::int16_t highest = 0;
    std::int16_t lowest = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const std::int16_t value = std::max<std::int16_t>(smoothed[k], -1);
        points[k].Height = value;
        highest = k == 0 ? value : std::max(highest, value);
        lowest = k == 0 ? value : std::min(lowest, value);
    }
    net.MapHeader.MaxHeight = std::max<std::int16_t>(highest, 0);
    net.MapHeader.MinHeight = std::max<std::int16_t>(lowest, 0);
    net.UpdateSquares();
}

}  // namespace tarn::gridding
