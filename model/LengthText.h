#pragma once

#include "model/MapHeader.h"

#include <string>

namespace tarn {

// A ground distance as a person reads it in the map's units: below a mile or
// kilometre in whole feet or metres ("792 ft", "150 m"), above it in miles or
// kilometres with one decimal ("13.2 miles", "3276.7 km"); MicroMetric
// distances in metres with up to two decimals ("0.15 m"). Trailing zeros of
// the decimals are left out.
std::string LengthText(MapUnits units, double feetOrMetres);

// `value` with at most `decimals` decimals, trailing zeros left out.
std::string DecimalText(double value, int decimals);

}  // namespace tarn
