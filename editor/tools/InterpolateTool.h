#pragma once

#include "editor/RubberAreaTool.h"

namespace tarn {

class TInterpolateDlg;

// Tool 6: a dragged rectangle, then the Interpolation Parameters dialog,
// then the Null nodes are filled. Nearest Neighbour grids the rectangle
// with the spline engine while a progress window with Cancel shows;
// Trend Analysis and the smoothing transform work on the whole grid. Every
// height the run changed goes into the undo list, so Undo takes the whole
// run back.
class TInterpolateTool : public TRubberAreaTool {
public:
    explicit TInterpolateTool(TInterpolateDlg& dialog) : dialog_(dialog) {}

protected:
    void AreaSelected(TDefineNet& net, QPoint start, QPoint end) override;

private:
    TInterpolateDlg& dialog_;
};

}  // namespace tarn
