#include "model/edits/HeightEdits.h"

#include "model/Net.h"
#include "model/edits/UndoList.h"

#include <algorithm>

namespace tarn {

namespace {

MapUnits UnitsOf(const TNet& net)
{
    return static_cast<MapUnits>(net.MapHeader.MapUnits);
}

}  // namespace

bool SetSpotHeight(TNet& net, TUndoList& undo, int column, int row, const THeightChange& change, double base,
                   THeightMemory& memory)
{
    TGridPoint* node = NodeAt(net, column, row);
    if (!node)
        return false;
    undo.Clear();
    undo.AddHeight(column, row, node->Height);
    ApplyHeight(*node, UnitsOf(net), change, base, memory);
    UpdateSquaresAround(net, {column, row, column, row});
    return true;
}

bool SetDefaultHeight(TNet& net, TUndoList& undo, int column, int row, const THeightMemory& memory)
{
    TGridPoint* node = NodeAt(net, column, row);
    if (!node)
        return false;
    undo.Clear();
    undo.AddHeight(column, row, node->Height);
    node->Height = memory.DefaultHeight;
    UpdateSquaresAround(net, {column, row, column, row});
    return true;
}

TGridRange LevelArea(TNet& net, TUndoList& undo, const TGridRange& nodes, const THeightChange& change,
                     double typedHeight, THeightMemory& memory)
{
    const MapUnits units = UnitsOf(net);
    const TGridRange area{std::max(nodes.left, 0), std::max(nodes.top, 0),
                          std::min(nodes.right, net.MapHeader.Columns - 1), std::min(nodes.bottom, net.MapHeader.Rows - 1)};
    undo.Clear();
    if (area.left > area.right || area.top > area.bottom)
        return area;
    undo.Reserve(static_cast<std::size_t>(area.right - area.left + 1) * static_cast<std::size_t>(area.bottom - area.top + 1));
    const bool typed = change.action == THeightAction::SetHeight;
    for (int column = area.left; column <= area.right; ++column) {
        for (int row = area.top; row <= area.bottom; ++row) {
            TGridPoint* node = NodeAt(net, column, row);
            if (!node)
                continue;
            undo.AddHeight(column, row, node->Height);
            const double base = typed ? typedHeight : DisplayHeight(units, node->Height);
            ApplyHeight(*node, units, change, base, memory);
        }
    }
    UpdateSquaresAround(net, area);
    return area;
}

}  // namespace tarn
