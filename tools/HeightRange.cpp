#include "tools/HeightRange.h"

#include "model/Net.h"

#include <algorithm>

namespace tarn::tool {

THeightRange HeightRangeOf(const TNet& net)
{
    THeightRange range;
    for (const auto& point : net.Points()) {
        if (point.Height == kNullHeight) {
            ++range.nullNodes;
            continue;
        }
        range.lowest = range.any ? std::min<int>(range.lowest, point.Height) : point.Height;
        range.highest = range.any ? std::max<int>(range.highest, point.Height) : point.Height;
        range.any = true;
    }
    return range;
}

}  // namespace tarn::tool
