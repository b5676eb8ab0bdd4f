#pragma once

#include "model/HeightBandColours.h"

#include <array>
#include <string>

namespace tarn {

enum class MapUnits : std::int16_t;

// The band 0..14 of a stored height within BandMin..BandMax.
int HeightBand(int height, int bandMin, int bandMax);
// The colour a height is drawn in: table entry 14 - band.
TColorRef HeightBandColour(int height, int bandMin, int bandMax);

// The sixteen legend texts of the Heights tab, top ("924+") to bottom
// ("Null"), for a band range in stored height units.
std::array<std::string, kHeightBands + 1> HeightBandLabels(int bandMin, int bandMax, MapUnits units);

// The size of a height marker at a scale: the square reaches half1 pixels
// left of and above its node and half2 right of and below it.
struct TMarkerSize {
    int half1 = 1;
    int half2 = 2;
};
TMarkerSize MarkerSizeFor(double scale);

}  // namespace tarn
