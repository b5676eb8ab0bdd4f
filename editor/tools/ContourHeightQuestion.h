#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace tarn {

class TDefineNet;
class TSetHeightDlg;

// Asks the user for the height of a traced contour. Returns the stored
// height to write, or nothing when the user cancels. `unitsFormat` sets the
// height field's number format from the map's units first.
using TContourHeightQuestion = std::function<std::optional<std::int16_t>(TDefineNet& net, bool unitsFormat)>;

// The question put with the Set Height dialog: Set as Height only, the last
// height offered. The answer becomes the canvas's last and default height.
TContourHeightQuestion AskWithSetHeightDialog(TSetHeightDlg& dialog);

}  // namespace tarn
