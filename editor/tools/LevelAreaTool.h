#pragma once

#include "editor/RubberAreaTool.h"

namespace tarn {

class TSetHeightDlg;

// Tool 5: the dialog's action applied to every node of a dragged rectangle.
class TLevelAreaTool : public TRubberAreaTool {
public:
    explicit TLevelAreaTool(TSetHeightDlg& dialog) : dialog_(dialog) {}

protected:
    void AreaSelected(TDefineNet& net, QPoint start, QPoint end) override;

private:
    TSetHeightDlg& dialog_;
};

}  // namespace tarn
