#pragma once

#include "exchange/FormatDriver.h"

#include <string>
#include <vector>

namespace tarn {

// Any single-band raster the geospatial library (GDAL) reads: GeoTIFF,
// SRTM HGT tiles, ESRI grids, ERDAS, ENVI, USGS DEM and many more. Makes a
// new map of the grid TRasterImportOptions chooses, resampled by the
// library itself, with the spacing from the raster's georeferencing (in
// metres at the raster's centre latitude for rasters in degrees), heights
// from its unit, and its nodata as the null height.
class TGdalRasterFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    // A raster whole in one stream (GeoTIFF, for one); rasters with side
    // files are read by name.
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    ImportOutcome ReadFile(const std::filesystem::path& file, TNet& net, const TImportParameters& parameters,
                           IProgress& progress, std::vector<std::string>& warnings) const override;
};

// The raster formats the installed library reads: its short name for each
// and what a person calls it, with the extensions it knows.
std::vector<std::string> GdalRasterReaders();

}  // namespace tarn
