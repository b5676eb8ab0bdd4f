#pragma once

#include "model/MapHeader.h"

namespace tarn {

// The grid fields of the header that follow from the units, the grid and the
// spacing. Each is rounded as the header rounds it but kept in a double, so
// that a caller can tell a value the 16-bit field cannot hold.

// Feet (Imperial) or metres in one tenth of the unit the extents count in:
// a tenth of a mile, of a kilometre, or (MicroMetric) of a metre.
double FeetOrMetresPerTenth(MapUnits units);

// The extent of `nodes` nodes `spacing` feet or metres apart, in rounded tenths.
double ExtentTenths(MapUnits units, int nodes, double spacing);

// World units the shorter side of a map spans, whatever its size: 5280
// (Imperial) or 1000.
double ShortSideWorldUnits(MapUnits units);

// World units per mile (Imperial) or kilometre for a map whose shorter side
// spans `shortExtent` tenths, so that side spans about 5280 or 1000 world
// units; infinite for a map without extent.
double UnitScaleFor(MapUnits units, double shortExtent);

// The shorter side in whole miles or kilometres, rounded and at least 1.
double ShortSideFor(double shortExtent);

// World units spanned by an extent: the scale times one tenth less than the
// extent (the tenth, not a node, is what is taken off).
double WorldSpan(double unitScale, double extent);

// Distance of the map's east or north edge from its centre in world units,
// in integer arithmetic: the scale times the extent, divided by 20.
int CornerOffset(int unitScale, int extent);

}  // namespace tarn
