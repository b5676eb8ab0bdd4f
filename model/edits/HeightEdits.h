#pragma once

#include "model/edits/GridRange.h"
#include "model/edits/HeightRule.h"

namespace tarn {

class TNet;
class TUndoList;

// The height edits of the canvas tools, on the map alone. Each clears the
// undo list, saves the old height of every node it visits and recomputes
// the squares around. Columns and rows are 0-based node positions.

// One node from the Set Height dialog, base being the height typed there.
// False (nothing done) outside the grid.
bool SetSpotHeight(TNet& net, TUndoList& undo, int column, int row, const THeightChange& change, double base,
                   THeightMemory& memory);

// One node set to the remembered default height. False outside the grid.
bool SetDefaultHeight(TNet& net, TUndoList& undo, int column, int row, const THeightMemory& memory);

// Every node of a rectangle (limited to the grid). With Set as Height each
// node starts from the typed height; the other actions start from the
// node's own height, so Null nodes stay Null under Add and Subtract.
// Returns the nodes visited.
TGridRange LevelArea(TNet& net, TUndoList& undo, const TGridRange& nodes, const THeightChange& change,
                     double typedHeight, THeightMemory& memory);

}  // namespace tarn
