#include "model/edits/HeightRule.h"

#include "model/Net.h"

#include <algorithm>

namespace tarn {

std::int16_t StoredHeight(MapUnits units, double displayHeight)
{
    if (units == MapUnits::MicroMetric)
        return RoundToInt16(displayHeight * 10);
    return RoundToInt16(std::max(displayHeight, -1000.0));
}

double DisplayHeight(MapUnits units, std::int16_t stored)
{
    if (stored == kNullHeight || units != MapUnits::MicroMetric)
        return stored;
    return stored / 10.0;
}

void ApplyHeight(TGridPoint& node, MapUnits units, const THeightChange& change, double base, THeightMemory& memory)
{
    if (change.action == THeightAction::SetNull) {
        node.Height = kNullHeight;
        return;
    }
    const bool relative = change.action == THeightAction::AddHeight || change.action == THeightAction::SubtractHeight;
    if (relative && base == kNullHeight)
        return;
    double offset = 0;
    if (change.action == THeightAction::AddHeight)
        offset = change.difference;
    else if (change.action == THeightAction::SubtractHeight)
        offset = -change.difference;
    memory.LastHeight = base;
    const std::int16_t stored = StoredHeight(units, base + offset);
    node.Height = stored;
    memory.DefaultHeight = stored;
}

}  // namespace tarn
