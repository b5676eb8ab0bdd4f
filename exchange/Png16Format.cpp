#include "exchange/Png16Format.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/GdalMapRaster.h"
#include "exchange/StreamIO.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"png"};
constexpr TFormatDescription kDescription{
    .name = "png16",
    .title = "16-bit PNG heightmap",
    .extensions = kExtensions,
    .canRead = false,
    .canWrite = true,
};

}  // namespace

const TFormatDescription& TPng16Format::Description() const { return kDescription; }

void TPng16Format::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                         IProgress& progress) const
{
    const TExchangeProgress status(progress, kExporting, kDescription.title);
    THeightmap16 heightmap = MakeHeightmap16(net, parameters.raster.square);
    auto raster = UnsignedRaster(heightmap.columns, heightmap.rows, heightmap.values);
    WriteOrThrow(out, RasterFileBytes(*raster, "PNG", {}));
}

}  // namespace tarn
