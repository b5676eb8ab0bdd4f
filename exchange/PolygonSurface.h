#pragma once

#include "analysis/polyred/PolygonReduction.h"
#include "exchange/FormatParameters.h"

namespace tarn {

class IProgress;
class TNet;

// The map's heights reduced to a triangulated irregular network as the
// options ask, for the writers of polygon models. Throws ETarnError
// msg::ExportParametersOutOfRange for options the dialog would refuse,
// msg::ExportCancelled when progress asks to stop, and the reduction's own
// messages for a grid it cannot reduce.
TTin ReducedSurface(const TNet& net, const TPolygonExportOptions& options, IProgress& progress);

// The scale the options give, or the map's starting scale.
TModelScale ModelScaleFor(const TNet& net, const TPolygonExportOptions& options);

}  // namespace tarn
