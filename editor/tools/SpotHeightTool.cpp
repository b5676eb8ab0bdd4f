#include "editor/tools/SpotHeightTool.h"

#include "editor/DefNet.h"
#include "editor/HeightDlg.h"
#include "model/edits/HeightEdits.h"

namespace tarn {

void TSpotHeightTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    const auto hit = net.NodeAt(point);
    const TGridPoint* node = hit.number < 0 ? nullptr : net.GetPoint(hit.number);
    if (!node)
        return;
    const auto units = static_cast<MapUnits>(net.MapHeader.MapUnits);
    // Rows are shown counted upward from the southern edge, as in the read-out.
    const QString info = QString("Grid Point %1,%2").arg(hit.column).arg(net.GridRows() - hit.row - 1);
    dialog_.PrepareForNode(info, units, node->Height);
    if (dialog_.exec() != TSetHeightDlg::kOkResult)
        return;
    SetSpotHeight(net, net.UndoList(), hit.column, hit.row, dialog_.Change(), dialog_.Height(), net.HeightMemory);
    net.EditDone({hit.column + 1, hit.row + 1, hit.column + 1, hit.row + 1});
}

}  // namespace tarn
