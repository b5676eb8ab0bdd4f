#pragma once

#include "model/MapHeader.h"

#include <string>
#include <vector>

namespace tarn {

// Every way in which the grid fields of a header contradict each other or
// leave the range a drawable map needs, one sentence each naming the fields
// and their values; empty for a sound header. The fields checked are those a
// new map derives from its units, grid and spacing: the extents, the scale
// and short side, the world size and the bounds, which hold either the new
// map's (half the world size) or, once the map was loaded, its corners.
std::vector<std::string> FindHeaderContradictions(const TMapHeader& header);

}  // namespace tarn
