#pragma once

#include "exchange/FormatParameters.h"

namespace tarn {

// The ground a raster covers: its pixels and their size in metres.
struct TRasterFootprint {
    int columns = 0;
    int rows = 0;
    double pixelWidth = 1;   // metres from west to east
    double pixelHeight = 1;  // metres from north to south
};

struct TGridSize {
    int columns = 0;
    int rows = 0;
    friend bool operator==(const TGridSize&, const TGridSize&) = default;
};

// The map grid a raster is resampled to, as the options ask: the size
// given, one node per step by step block of pixels (the last block of a
// row or column may be smaller), or else the raster node for node when it
// fits the map's limit and its pixels are square on the ground, and
// otherwise the largest grid within the limit that keeps the ground's shape,
// never finer than the raster's coarser pixel side. Throws ETarnError
// msg::RasterTooSmall when the raster cannot give a map of at least 400
// nodes by itself, and msg::RasterGridRefused (with the reason) for a size
// or step the map cannot have.
TGridSize ChooseGridSize(const TRasterFootprint& raster, const TRasterImportOptions& options);

}  // namespace tarn
