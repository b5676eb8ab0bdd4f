#include "exchange/VrmlFormat.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/PolygonSurface.h"
#include "exchange/VrmlWriter.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"wrl"};
constexpr TFormatDescription kDescription{
    .name = "vrml",
    .title = "Virtual Reality VRML",
    .extensions = kExtensions,
    .canWrite = true,
    .writeOptions = TOptionSet::TexturedPolygon,
};

}  // namespace

const TFormatDescription& TVrmlFormat::Description() const { return kDescription; }

void TVrmlFormat::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                        IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const auto& polygon = parameters.polygon;
    const TTin tin = ReducedSurface(net, polygon, progress);
    WriteVrml(out, tin, {ModelScaleFor(net, polygon), polygon.textureMap, polygon.backgroundColour});
}

}  // namespace tarn
