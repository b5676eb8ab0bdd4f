#include "editor/tools/DefaultHeightTool.h"

#include "editor/DefNet.h"
#include "model/edits/HeightEdits.h"

namespace tarn {

void TDefaultHeightTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    const auto hit = net.NodeAt(point);
    if (hit.number < 0 || !SetDefaultHeight(net, net.UndoList(), hit.column, hit.row, net.HeightMemory))
        return;
    net.EditDone({hit.column + 1, hit.row + 1, hit.column + 1, hit.row + 1});
}

}  // namespace tarn
