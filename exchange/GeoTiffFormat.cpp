#include "exchange/GeoTiffFormat.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/GdalMapRaster.h"
#include "exchange/StreamIO.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 2> kExtensions{"tif", "tiff"};
constexpr TFormatDescription kDescription{
    .name = "geotiff",
    .title = "GeoTIFF",
    .extensions = kExtensions,
    .canRead = false,
    .canWrite = true,
};

}  // namespace

const TFormatDescription& TGeoTiffFormat::Description() const { return kDescription; }

void TGeoTiffFormat::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                           IProgress& progress) const
{
    const TExchangeProgress status(progress, kExporting, kDescription.title);
    auto raster = MapAsRaster(net, parameters.raster);
    WriteOrThrow(out, RasterFileBytes(*raster, "GTiff", {"COMPRESS=DEFLATE"}));
}

}  // namespace tarn
