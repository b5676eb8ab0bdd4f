#pragma once

#include "exchange/FormatParameters.h"

#include <gdal_priv.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarn {

class TNet;

// The map's heights as a one-band Int16 raster in memory: nodata -1001, the
// height unit and scale, and the georeferencing the options ask for.
// Throws ETarnError msg::ExportProjectionRefused for a coordinate system
// that is not projected.
GDALDatasetUniquePtr MapAsRaster(const TNet& net, const TRasterExportOptions& options);

// A raster of unsigned 16-bit values, without georeferencing.
GDALDatasetUniquePtr UnsignedRaster(int columns, int rows, std::vector<std::uint16_t>& values);

// The raster written by one of the library's drivers ("GTiff", "PNG").
// Throws ETarnError msg::RasterNotWritten with the library's text.
std::vector<std::uint8_t> RasterFileBytes(GDALDataset& raster, const char* driver,
                                          const std::vector<std::string>& creationOptions);

}  // namespace tarn
