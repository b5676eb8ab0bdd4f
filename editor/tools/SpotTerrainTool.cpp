#include "editor/tools/SpotTerrainTool.h"

#include "editor/DefNet.h"
#include "model/edits/TerrainEdits.h"

namespace tarn {

void TSpotTerrainTool::Paint(TDefineNet& net, int column, int row)
{
    if (PaintSquare(net, net.UndoList(), column, row, net.CurrentTerrain))
        net.EditDone({column, row, column + 1, row + 1});
}

void TSpotTerrainTool::MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    lastColumn_ = lastRow_ = -1;
    const auto square = net.SquareAt(point);
    if (square.number < 0)
        return;
    net.ClearUndo();
    stroke_ = true;
    lastColumn_ = square.column;
    lastRow_ = square.row;
    Paint(net, square.column, square.row);
}

void TSpotTerrainTool::MouseMove(TDefineNet& net, QPoint point)
{
    if (!stroke_)
        return;
    const auto square = net.SquareAt(point);
    if (square.column == lastColumn_ && square.row == lastRow_)
        return;
    lastColumn_ = square.column;
    lastRow_ = square.row;
    if (square.number >= 0)
        Paint(net, square.column, square.row);
}

void TSpotTerrainTool::MouseUp(TDefineNet&, QPoint, Qt::MouseButton)
{
    stroke_ = false;
}

void TSpotTerrainTool::Leave(TDefineNet&)
{
    stroke_ = false;
}

}  // namespace tarn
