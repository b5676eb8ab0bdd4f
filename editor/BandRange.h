#pragma once

namespace tarn {

// The Min and Max Height spins keep the band range at least this wide, so
// that the fifteen legend bands name distinct heights.
inline constexpr int kMinBandGap = 100;
inline constexpr int kLowestBandMin = -1000;
inline constexpr int kHighestBandMax = 32000;
inline constexpr int kLowestBandMax = 0;

struct TBandRange {
    int min = 0;
    int max = 1000;
};

// The band range for a map whose heights run from lowest to highest: that
// range itself, widened evenly on both sides when it is narrower than
// kMinBandGap (a flat map), and kept within what the spins can show.
TBandRange BandRangeAround(int lowest, int highest);

}  // namespace tarn
