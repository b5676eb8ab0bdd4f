#include "editor/BandRange.h"

#include <algorithm>

namespace tarn {

TBandRange BandRangeAround(int lowest, int highest)
{
    TBandRange range{std::min(lowest, highest), std::max(lowest, highest)};
    if (range.max - range.min < kMinBandGap) {
        range.min -= (kMinBandGap - (range.max - range.min)) / 2;
        range.max = range.min + kMinBandGap;
    }
    range.min = std::clamp(range.min, kLowestBandMin, kHighestBandMax - kMinBandGap);
    range.max = std::clamp(range.max, std::max(range.min + kMinBandGap, kLowestBandMax), kHighestBandMax);
    return range;
}

}  // namespace tarn
