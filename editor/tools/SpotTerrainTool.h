#pragma once

#include "editor/CanvasTool.h"

namespace tarn {

// Tool 7: paints the current terrain on the squares the mouse is dragged
// over. A press-drag stroke is one operation for Undo.
class TSpotTerrainTool : public TCanvasTool {
public:
    void MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void MouseMove(TDefineNet& net, QPoint point) override;
    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void Leave(TDefineNet& net) override;

private:
    void Paint(TDefineNet& net, int column, int row);

    bool stroke_ = false;
    // The square painted last (1-based), or -1, -1.
    int lastColumn_ = -1;
    int lastRow_ = -1;
};

}  // namespace tarn
