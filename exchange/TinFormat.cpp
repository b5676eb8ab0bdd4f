#include "exchange/TinFormat.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/PolygonSurface.h"
#include "exchange/TinWriter.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"tin"};
constexpr TFormatDescription kDescription{
    .name = "tin",
    .title = "Triangle Mesh Surface",
    .extensions = kExtensions,
    .canWrite = true,
    .writeOptions = TOptionSet::Polygon,
};

}  // namespace

const TFormatDescription& TTinFormat::Description() const { return kDescription; }

void TTinFormat::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                       IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const TTin tin = ReducedSurface(net, parameters.polygon, progress);
    WriteTin(out, tin, ModelScaleFor(net, parameters.polygon));
}

}  // namespace tarn
