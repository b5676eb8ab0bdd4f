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

// Empties the map and builds a new grid of null heights with the new-map
// header values and the given terrain palette. Refuses more than 250000
// points (E0005) or fewer than 400 (E0006) by throwing ETarnError before the
// map is touched; a side longer than 32767 nodes or a spacing that is not
// positive is refused as E0004.
void CreateMap(TNet& net, const TNewMapParameters& parameters, const TTerrainPalette& palette);

}  // namespace tarn
