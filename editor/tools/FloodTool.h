#pragma once

#include "editor/CanvasTool.h"

namespace tarn {

// Tool 9: after a confirmation, turns the level area under the click into
// Water (see Flood in model/edits). Reasons a flood cannot start are shown
// in a message box and leave the map unchanged.
class TFloodTool : public TCanvasTool {
public:
    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
};

}  // namespace tarn
