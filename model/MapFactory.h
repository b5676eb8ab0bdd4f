#pragma once

#include "model/MapHeader.h"

namespace tarn {

class TNet;
struct TTerrainPalette;

struct TNewMapParameters {
    MapUnits units = MapUnits::Metric;
    int columns = 0;
    int rows = 0;
    double spacing = 0;  // feet (Imperial) or metres between neighbouring nodes
};

inline constexpr long long kMinGridPoints = 400;
inline constexpr long long kMaxGridPoints = 250000;
inline constexpr int kMaxGridSide = 32767;

// The spacings a new map can have: 1 to 9999 feet or metres, or 0.1 to
// 999.9 metres for a MicroMetric map.
struct TSpacingRange {
    double lowest = 0;
    double highest = 0;
};
TSpacingRange NewMapSpacingRange(MapUnits units);

// Throws the coded message for parameters no map can be built from: more
// than 250000 points (E0005), fewer than 400 (E0006), or (E0004, followed by
// the reason in words a message box can show) a spacing out of range or a
// map too small, too large or too long for its width for the header's
// 16-bit grid fields. The New Map dialog and tarntool check with it before
// anything is touched.
void CheckNewMapParameters(const TNewMapParameters& parameters);

// Empties the map and builds a new grid of null heights with the new-map
// header values and the given terrain palette. Parameters refused by
// CheckNewMapParameters leave the map untouched.
void CreateMap(TNet& net, const TNewMapParameters& parameters, const TTerrainPalette& palette);

}  // namespace tarn
