#pragma once

namespace tarn {
class TNet;
}

namespace tarn::tool {

// The lowest and highest of the heights that are not null, in the map's
// height unit, and how many nodes have no height.
struct THeightRange {
    bool any = false;  // false when every node is null
    int lowest = 0;
    int highest = 0;
    long long nullNodes = 0;
};

THeightRange HeightRangeOf(const TNet& net);

}  // namespace tarn::tool
