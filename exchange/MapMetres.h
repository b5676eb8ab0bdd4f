#pragma once

namespace tarn {

struct TMapHeader;

// A map's lengths in metres, for the formats that measure in them.

// Between neighbouring nodes.
double NodeSpacingMetres(const TMapHeader& header);
// In one unit of the map's heights: a foot, a metre, or (MicroMetric) a
// tenth of a metre.
double HeightUnitMetres(const TMapHeader& header);

}  // namespace tarn
