#pragma once

#include "editor/CanvasTool.h"

namespace tarn {

class TSetHeightDlg;

// Tool 1: a click on a node asks for its height in the Set Height dialog.
class TSpotHeightTool : public TCanvasTool {
public:
    explicit TSpotHeightTool(TSetHeightDlg& dialog) : dialog_(dialog) {}

    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;

private:
    TSetHeightDlg& dialog_;
};

}  // namespace tarn
