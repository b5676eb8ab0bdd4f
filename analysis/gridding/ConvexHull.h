#pragma once

#include "analysis/gridding/KnownNode.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tarn::gridding {

// For a grid of columns x rows: 1 for every node inside or on the convex
// hull of the known nodes, 0 for the others, row by row. A single known
// node or a straight line of them is its own hull.
std::vector<std::uint8_t> InsideHull(int columns, int rows, std::span<const KnownNode> known);

}  // namespace tarn::gridding
