#pragma once

#include <cstdint>
#include <vector>

namespace tarn {

class TNet;

// A regular grid of heights: `columns` nodes from west to east in each of
// `rows` rows, held row by row from the north-west corner as a map holds its
// nodes, `spacing` apart. A height below -1000 (kNullHeight) marks a node
// without a height.
struct THeightField {
    int columns = 0;
    int rows = 0;
    double spacing = 1;
    std::vector<std::int16_t> heights;

    std::int16_t At(int column, int row) const
    {
        return heights[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column)];
    }
    static bool IsNull(std::int16_t height) { return height < -1000; }
};

// The map's grid as a height field.
THeightField HeightFieldOf(const TNet& net);

}  // namespace tarn
