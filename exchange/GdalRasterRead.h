#pragma once

#include "exchange/FormatDriver.h"

#include <string>
#include <vector>

namespace tarn {

// Reads the raster the geospatial library opens at `path` (a file, or a
// file of its memory file system) into a new map, as TGdalRasterFormat
// describes. Throws EInvalidData with our coded message, and the library's
// own text where it gave one, for a raster that cannot be opened or read,
// one of several bands without a chosen band, a rotated or sheared one, or
// one too small for a map.
ImportOutcome ReadGdalRaster(const std::string& path, TNet& net, const TImportParameters& parameters,
                             IProgress& progress, std::vector<std::string>& warnings);

}  // namespace tarn
