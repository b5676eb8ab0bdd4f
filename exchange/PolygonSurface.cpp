#include "exchange/PolygonSurface.h"

#include "exchange/ExchangeMessages.h"
#include "model/Errors.h"
#include "model/Net.h"

namespace tarn {

TTin ReducedSurface(const TNet& net, const TPolygonExportOptions& options, IProgress& progress)
{
    CheckPolygonExportOptions(options);
    auto tin = ReduceHeightField(HeightFieldOf(net), {options.polygons, options.tolerance}, progress);
    if (!tin)
        throw ETarnError(msg::ExportCancelled);
    return std::move(*tin);
}

TModelScale ModelScaleFor(const TNet& net, const TPolygonExportOptions& options)
{
    return options.scale ? *options.scale : StartingModelScale(net.MapHeader);
}

}  // namespace tarn
