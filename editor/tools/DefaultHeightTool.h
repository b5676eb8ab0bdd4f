#pragma once

#include "editor/CanvasTool.h"

namespace tarn {

// Tool 2: a click on a node gives it the height last set with the dialog.
class TDefaultHeightTool : public TCanvasTool {
public:
    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
};

}  // namespace tarn
