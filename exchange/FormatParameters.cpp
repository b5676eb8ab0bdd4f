#include "exchange/FormatParameters.h"

#include "exchange/ExchangeMessages.h"
#include "model/Errors.h"

namespace tarn {

namespace {

bool Within(double value, double low, double high) { return value >= low && value <= high; }

}  // namespace

void CheckImportParameters(const TImportParameters& p)
{
    const auto& d = p.digital;
    constexpr int maxOffset = TDigitalImportOptions::kMaxOffset;
    const bool digitalOk = Within(d.xOffset, 0, maxOffset) && Within(d.yOffset, 0, maxOffset) &&
                           Within(d.originX, 0, maxOffset) && Within(d.originY, 0, maxOffset) &&
                           Within(d.sample, 1, TDigitalImportOptions::kMaxSample);
    const bool pictureOk =
        Within(p.picture.maxHeight, TPictureImportOptions::kMinMaxHeight, TPictureImportOptions::kMaxMaxHeight) &&
        Within(p.picture.spacing, 1, TPictureImportOptions::kMaxSpacing);
    const bool micro = p.greymap.units == MapUnits::MicroMetric;
    const bool greymapOk = micro ? Within(p.greymap.spacing, 0.1, 999.9) : Within(p.greymap.spacing, 1, 9999);
    if (!digitalOk || !pictureOk || !greymapOk)
        throw ETarnError(msg::ImportParametersOutOfRange);
}

void CheckPolygonExportOptions(const TPolygonExportOptions& polygon)
{
    using Limits = TPolygonExportOptions;
    const bool scaleOk = !polygon.scale || (Within(polygon.scale->vertical, Limits::kMinScale, Limits::kMaxScale) &&
                                            Within(polygon.scale->horizontal, Limits::kMinScale, Limits::kMaxScale));
    if (!Within(polygon.polygons, Limits::kMinPolygons, Limits::kMaxPolygons) || !(polygon.tolerance >= 0) || !scaleOk)
        throw ETarnError(msg::ExportParametersOutOfRange);
}

}  // namespace tarn
