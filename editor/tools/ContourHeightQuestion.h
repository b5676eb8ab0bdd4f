#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace tarn {

class TDefineNet;

// Asks the user for the height of a traced contour. Returns the stored
// height to write, or nothing when the user cancels. `unitsFormat` sets the
// height field's number format from the map's units first.
using TContourHeightQuestion = std::function<std::optional<std::int16_t>(TDefineNet& net, bool unitsFormat)>;

}  // namespace tarn
