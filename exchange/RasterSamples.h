#pragma once

#include "model/MapHeader.h"

#include <optional>
#include <string>
#include <vector>

namespace tarn {

class TNet;
struct TTerrainPalette;

// A raster's values resampled to a map's grid, and what is known of them.
struct TRasterSamples {
    int columns = 0;
    int rows = 0;
    std::vector<double> values;  // row by row from the north-west corner
    std::optional<double> nodata;
    double spacingX = 1;       // metres between neighbouring samples of a row
    double spacingY = 1;       // metres between neighbouring rows
    double metresPerUnit = 1;  // of the values
};

// What storing the samples changed to make them fit the map.
struct TRasterStoreReport {
    long long clamped = 0;  // heights beyond what a map node holds
    bool anyHeight = false;
    std::vector<std::string> warnings;
};

// Makes a new map of the samples' grid in the given units: spacing from the
// mean of the two spacings, heights rounded to whole feet or metres (tenths
// of a metre for MicroMetric), clamped into -1000..32767, and the null
// height for nodata and for values that are not numbers or scale to none.
// Warns when the two spacings differ by more than a hundredth, and counts
// the clamped heights.
// Throws the map's own refusal (E0004 with the reason) for a spacing the
// map cannot have, and std::invalid_argument when the values do not fill
// the grid.
TRasterStoreReport StoreRasterSamples(const TRasterSamples& samples, TNet& net, MapUnits units,
                                      const TTerrainPalette& palette);

}  // namespace tarn
