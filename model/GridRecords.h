#pragma once

#include <cstdint>
#include <vector>

namespace tarn {

// One grid node: world coordinates and height (feet for Imperial maps, metres
// otherwise; kNullHeight when the node has no height).
struct TGridPoint {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Height = 0;

    friend bool operator==(const TGridPoint&, const TGridPoint&) = default;
};

// One grid square between four neighbouring nodes.
struct TGridSquare {
    std::int32_t FirstCorner = 0;  // 1-based index of the upper-left node
    std::int16_t Terrain = 0;      // terrain slot 0..23
    std::uint8_t NullCorner = 0;   // 1 when a corner has no height
    std::int16_t MeanHeight = -1001;

    friend bool operator==(const TGridSquare&, const TGridSquare&) = default;
};

// The node and square lists. Records are held by value in one block each;
// the map hands out 1-based access through its list operations.
using TPntCollection = std::vector<TGridPoint>;
using TPolyCollection = std::vector<TGridSquare>;

}  // namespace tarn
