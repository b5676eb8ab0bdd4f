#include "exchange/FormatRegistry.h"

#include "exchange/AsciiGridFormat.h"
#include "exchange/BmpFormat.h"
#include "exchange/DxfFormat.h"
#include "exchange/GdalRasterFormat.h"
#include "exchange/GeoTiffFormat.h"
#include "exchange/GltfFormat.h"
#include "exchange/Heightmap16.h"
#include "exchange/NtfFormat.h"
#include "exchange/ObjFormat.h"
#include "exchange/PgmFormat.h"
#include "exchange/Png16Format.h"
#include "exchange/TinFormat.h"
#include "exchange/UsgsDemFormat.h"
#include "exchange/VistaproFormat.h"
#include "exchange/VrmlFormat.h"
#include "exchange/XyzFormat.h"

#include <array>

namespace tarn {

namespace {

const TAsciiGridFormat kAscii;
const TBmpFormat kBmp;
const TNtfFormat kNtf;
const TUsgsDemFormat kUsgsDem;
const TPgmFormat kPgm;
const TXyzFormat kXyz;
const TDxfFormat kDxf;
const TVistaproFormat kVistapro;
const TTinFormat kTin;
const TVrmlFormat kVrml;

const TGdalRasterFormat kGdalRaster;
const TGeoTiffFormat kGeoTiff;
const TPng16Format kPng16;
const TRaw16Format kRaw16;
const TObjFormat kObj;
const TGltfFormat kGltf;

constexpr std::array<const TFormatDriver*, 16> kDrivers{
    &kAscii, &kBmp,        &kNtf,     &kUsgsDem, &kPgm,   &kXyz, &kDxf, &kVistapro,
    &kTin,   &kVrml,       &kGdalRaster, &kGeoTiff, &kPng16, &kRaw16, &kObj, &kGltf};

// ImportFormatAt and ExportFormatAt take a place in these lists, and the
// places of the first entries are fixed: formats added later follow them.
constexpr std::array<TDialogFilter, 9> kImportFilters{{
    {"Ascii text (*.txt)", "*.txt", "ascii"},
    {"Graphics file (bmp)", "*.bmp", "bmp"},
    {"UK OS NTF Panorama (*.ntf)", "*.ntf", "ntf"},
    {"USGS DEM (*.dem)", "*.dem", "usgs-dem"},
    {"Pixel Greymap (*.pgm)", "*.pgm", "pgm"},
    {"Vistapro DEM (*.dem)", "*.dem", "vistapro"},
    {"Glenmarrowscape x,y,z,attr (*.xyz)", "*.xyz", "xyz"},
    {"GeoTIFF or SRTM tile (*.tif *.hgt)", "*.tif *.tiff *.hgt", "gdal"},
    {"Any raster GDAL reads (*)", "*", "gdal"},
}};

constexpr std::array<TDialogFilter, 14> kExportFilters{{
    {"Ascii (*.txt)", "*.txt", "ascii"},
    {"AutoCAD r12 DXF (*.dxf)", "*.dxf", "dxf"},
    {"Bitmap (*.bmp)", "*.bmp", "bmp"},
    {"Pixel Greymap (*.pgm)", "*.pgm", "pgm"},
    {"UK OS NTF (Panorama) (*.ntf)", "*.dem", "ntf"},
    {"Triangle Mesh Surface (*.tin)", "*.tin", "tin"},
    {"Vistapro 3  DEM (*.dem)", "*.dem", "vistapro"},
    {"Glenmarrowscape X,Y,Z,Attr (*.xyz)", "*.xyz", "xyz"},
    {"Virtual Reality VRML (*.wrl)", "*.wrl", "vrml"},
    {"GeoTIFF 16-bit (*.tif)", "*.tif *.tiff", "geotiff"},
    {"16-bit PNG heightmap (*.png)", "*.png", "png16"},
    {"16-bit RAW heightmap (*.raw)", "*.raw", "raw16"},
    {"Wavefront OBJ mesh (*.obj)", "*.obj", "obj"},
    {"glTF mesh (*.glb *.gltf)", "*.glb *.gltf", "gltf"},
}};

const TFormatDriver* FormatAt(std::span<const TDialogFilter> filters, int index)
{
    if (index < 1 || index > static_cast<int>(filters.size()))
        return nullptr;
    return FindFormat(filters[index - 1].format);
}

}  // namespace

std::span<const TFormatDriver* const> AllFormats() { return kDrivers; }

const TFormatDriver* FindFormat(std::string_view name)
{
    for (const auto* driver : kDrivers)
        if (driver->Description().name == name)
            return driver;
    return nullptr;
}

std::span<const TDialogFilter> ImportFilters() { return kImportFilters; }
std::span<const TDialogFilter> ExportFilters() { return kExportFilters; }

std::string FilterText(std::span<const TDialogFilter> filters)
{
    std::string text;
    for (const auto& filter : filters) {
        if (!text.empty())
            text += '|';
        text += filter.caption;
        text += '|';
        text += filter.pattern;
    }
    return text;
}

const TFormatDriver* ImportFormatAt(int index)
{
    const auto* driver = FormatAt(kImportFilters, index);
    return driver && driver->Description().canRead ? driver : nullptr;
}

const TFormatDriver* ExportFormatAt(int index)
{
    const auto* driver = FormatAt(kExportFilters, index);
    return driver && driver->Description().canWrite ? driver : nullptr;
}

}  // namespace tarn
