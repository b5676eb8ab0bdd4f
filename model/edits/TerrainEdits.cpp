#include "model/edits/TerrainEdits.h"

#include "model/Net.h"
#include "model/edits/UndoList.h"

#include <algorithm>

namespace tarn {

bool PaintSquare(TNet& net, TUndoList& undo, int column, int row, int terrain)
{
    TGridSquare* square = SquareAt(net, column, row);
    if (!square)
        return false;
    undo.AddTerrain(column, row, square->Terrain);
    square->Terrain = static_cast<std::int16_t>(terrain);
    return true;
}

TGridRange PaintArea(TNet& net, TUndoList& undo, const TGridRange& squares, int terrain)
{
    const TGridRange area{std::max(squares.left, 1), std::max(squares.top, 1),
                          std::min(squares.right, net.MapHeader.Columns - 1),
                          std::min(squares.bottom, net.MapHeader.Rows - 1)};
    undo.Clear();
    for (int column = area.left; column <= area.right; ++column)
        for (int row = area.top; row <= area.bottom; ++row)
            PaintSquare(net, undo, column, row, terrain);
    return area;
}

}  // namespace tarn
