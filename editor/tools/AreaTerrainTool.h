#pragma once

#include "editor/RubberAreaTool.h"

namespace tarn {

// Tool 8: paints the current terrain on every square of a dragged rectangle.
class TAreaTerrainTool : public TRubberAreaTool {
protected:
    void AreaSelected(TDefineNet& net, QPoint start, QPoint end) override;
};

}  // namespace tarn
