#pragma once

#include "model/GridRecords.h"
#include "model/MapHeader.h"

#include <cstdint>

namespace tarn {

// What the Set Height dialog does to a node; the values are its action codes.
enum class THeightAction : int { SetHeight = 0, AddHeight = 1, SubtractHeight = 2, SetNull = 3 };

// The action with its difference (display units), as the dialog gives them.
struct THeightChange {
    THeightAction action = THeightAction::SetHeight;
    double difference = 0;
};

// What the height tools remember from one use to the next: the last base
// height (display units) and the last height stored (stored units), which
// the default-height tool stamps.
struct THeightMemory {
    double LastHeight = 0;
    std::int16_t DefaultHeight = 0;
};

// A height typed in display units (feet, metres, or metres with a decimal
// on MicroMetric maps) as the map stores it, rounded with halves to even.
// Imperial and Metric heights are raised to -1000 first; MicroMetric heights
// have no lower limit.
std::int16_t StoredHeight(MapUnits units, double displayHeight);

// A stored height in display units; Null stays kNullHeight.
double DisplayHeight(MapUnits units, std::int16_t stored);

// The rule every height tool applies to a node, with base the height the
// change starts from (display units). Set to Null touches nothing else;
// adding to or subtracting from a Null base leaves the node alone.
void ApplyHeight(TGridPoint& node, MapUnits units, const THeightChange& change, double base, THeightMemory& memory);

}  // namespace tarn
