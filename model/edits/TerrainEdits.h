#pragma once

#include "model/edits/GridRange.h"

namespace tarn {

class TNet;
class TUndoList;

// Terrain painting on the map alone. Squares are 1-based columns and rows.

// One square of a stroke: saves its terrain and paints it, also when it
// already has the terrain. False (nothing done) outside the grid. The
// stroke clears the undo list when it starts.
bool PaintSquare(TNet& net, TUndoList& undo, int column, int row, int terrain);

// Every square of a rectangle (limited to the grid), as one operation that
// clears the undo list first. Returns the squares painted.
TGridRange PaintArea(TNet& net, TUndoList& undo, const TGridRange& squares, int terrain);

}  // namespace tarn
