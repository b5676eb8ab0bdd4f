#include "editor/tools/AreaTerrainTool.h"

#include "editor/DefNet.h"
#include "model/edits/TerrainEdits.h"

#include <algorithm>

namespace tarn {

void TAreaTerrainTool::AreaSelected(TDefineNet& net, QPoint start, QPoint end)
{
    const QSize size = net.MapPicture.Size();
    const auto limit = [&size](int x, int y) {
        return QPoint(std::clamp(x, 0, size.width() - 1), std::clamp(y, 0, size.height() - 1));
    };
    const auto first = net.SquareAt(limit(std::min(start.x(), end.x()), std::min(start.y(), end.y())));
    const auto last = net.SquareAt(limit(std::max(start.x(), end.x()), std::max(start.y(), end.y())));
    if (first.number < 0 || last.number < 0)
        return;
    const TGridRange squares =
        PaintArea(net, net.UndoList(), {first.column, first.row, last.column, last.row}, net.CurrentTerrain);
    const TGridRange nodes = NodesOfSquares(squares);
    net.EditDone({nodes.left + 1, nodes.top + 1, nodes.right + 1, nodes.bottom + 1});
}

}  // namespace tarn
