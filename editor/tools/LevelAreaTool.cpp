#include "editor/tools/LevelAreaTool.h"

#include "editor/DefNet.h"
#include "editor/HeightDlg.h"
#include "model/edits/HeightEdits.h"

#include <algorithm>

namespace tarn {

void TLevelAreaTool::AreaSelected(TDefineNet& net, QPoint start, QPoint end)
{
    if (!net.HasGrid())
        return;
    dialog_.PrepareForArea(static_cast<MapUnits>(net.MapHeader.MapUnits), net.HeightMemory.LastHeight);
    if (dialog_.exec() != TSetHeightDlg::kOkResult)
        return;
    const auto first = net.NodeAt({std::min(start.x(), end.x()), std::min(start.y(), end.y())});
    const auto last = net.NodeAt({std::max(start.x(), end.x()), std::max(start.y(), end.y())});
    if (first.number < 0 || last.number < 0)
        return;
    const TGridRange nodes = LevelArea(net, net.UndoList(), {first.column, first.row, last.column, last.row},
                                       dialog_.Change(), dialog_.Height(), net.HeightMemory);
    net.EditDone({nodes.left + 1, nodes.top + 1, nodes.right + 1, nodes.bottom + 1});
}

}  // namespace tarn
