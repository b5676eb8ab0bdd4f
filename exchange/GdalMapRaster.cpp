#include "exchange/GdalMapRaster.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/GdalLibrary.h"
#include "exchange/MapMetres.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <ogr_spatialref.h>

#include <array>

namespace tarn {

namespace {

GDALDatasetUniquePtr MemoryRaster(int columns, int rows, GDALDataType type)
{
    UseGdal();
    GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
    GDALDatasetUniquePtr raster(memory ? memory->Create("", columns, rows, 1, type, nullptr) : nullptr);
    if (!raster)
        throw ETarnError(TGdalErrors::Explained(msg::RasterNotWritten));
    return raster;
}

void WriteBand(GDALDataset& raster, void* values, GDALDataType type)
{
    const int columns = raster.GetRasterXSize();
    const int rows = raster.GetRasterYSize();
    if (raster.GetRasterBand(1)->RasterIO(GF_Write, 0, 0, columns, rows, values, columns, rows, type, 0, 0, nullptr) !=
        CE_None)
        throw ETarnError(TGdalErrors::Explained(msg::RasterNotWritten));
}

// Metres in one unit of the coordinate system's positions, after giving
// the raster that system.
double ApplyCoordinateSystem(GDALDataset& raster, int epsg)
{
    if (epsg == 0)
        return 1;
    OGRSpatialReference srs;
    if (srs.importFromEPSG(epsg) != OGRERR_NONE)
        throw ETarnError(TGdalErrors::Explained(msg::ExportProjectionRefused));
    if (!srs.IsProjected()) {
        std::string message = msg::ExportProjectionRefused;
        message += ": EPSG:";
        message += std::to_string(epsg);
        message += " is not projected";
        throw ETarnError(message);
    }
    raster.SetSpatialRef(&srs);
    return srs.GetLinearUnits();
}

}  // namespace

GDALDatasetUniquePtr MapAsRaster(const TNet& net, const TRasterExportOptions& options)
{
    const TGdalErrors errors;
    const auto& header = net.MapHeader;
    const int columns = header.Columns;
    const int rows = header.Rows;
    std::vector<std::int16_t> heights(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), kNullHeight);
    const auto& points = net.Points();
    for (std::size_t i = 0; i < heights.size() && i < points.size(); ++i)
        heights[i] = points[i].Height < -1000 ? kNullHeight : points[i].Height;

    auto raster = MemoryRaster(columns, rows, GDT_Int16);
    WriteBand(*raster, heights.data(), GDT_Int16);
    GDALRasterBand& band = *raster->GetRasterBand(1);
    band.SetNoDataValue(kNullHeight);
    const auto units = static_cast<MapUnits>(header.MapUnits);
    band.SetUnitType(units == MapUnits::Imperial ? "ft" : "m");
    if (units == MapUnits::MicroMetric)
        band.SetScale(0.1);

    const double unit = ApplyCoordinateSystem(*raster, options.epsg);
    const double pixel = NodeSpacingMetres(header) / unit;
    std::array<double, 6> transform{options.originX, pixel, 0, options.originY, 0, -pixel};
    raster->SetGeoTransform(transform.data());
    return raster;
}

GDALDatasetUniquePtr UnsignedRaster(int columns, int rows, std::vector<std::uint16_t>& values)
{
    const TGdalErrors errors;
    auto raster = MemoryRaster(columns, rows, GDT_UInt16);
    WriteBand(*raster, values.data(), GDT_UInt16);
    return raster;
}

std::vector<std::uint8_t> RasterFileBytes(GDALDataset& raster, const char* driverName,
                                          const std::vector<std::string>& creationOptions)
{
    const TGdalErrors errors;
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    if (!driver)
        throw ETarnError(TGdalErrors::Explained(msg::RasterNotWritten));
    CPLStringList options;
    for (const auto& option : creationOptions)
        options.AddString(option.c_str());
    const TGdalMemoryFile file(driverName);
    GDALDatasetUniquePtr copy(driver->CreateCopy(file.Path().c_str(), &raster, FALSE, options.List(), nullptr, nullptr));
    if (!copy)
        throw ETarnError(TGdalErrors::Explained(msg::RasterNotWritten));
    CPLErrorReset();
    copy.reset();  // flushes the file
    if (CPLGetLastErrorType() >= CE_Failure)
        throw ETarnError(TGdalErrors::Explained(msg::RasterNotWritten));
    return file.Bytes();
}

}  // namespace tarn
