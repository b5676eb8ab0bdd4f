#pragma once

#include "model/GridRecords.h"

namespace tarn {

class TNet;

// A rectangle of grid positions, edges included. For nodes the columns and
// rows count from 0 at the top left; for squares from 1, square (i, j)
// lying between nodes (i - 1, j - 1) and (i, j).
struct TGridRange {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const TGridRange&, const TGridRange&) = default;
};

// The rectangle with two corners given in any order.
TGridRange OrderedRange(int column1, int row1, int column2, int row2);

// The node at a 0-based column and row, or nullptr outside the grid.
TGridPoint* NodeAt(TNet& net, int column, int row);
const TGridPoint* NodeAt(const TNet& net, int column, int row);
// The square at a 1-based column and row, or nullptr outside the grid.
TGridSquare* SquareAt(TNet& net, int column, int row);

// The nodes at the corners of a rectangle of squares.
TGridRange NodesOfSquares(const TGridRange& squares);

// Recomputes mean height and null flag of every square that has a corner
// among the nodes of the range.
void UpdateSquaresAround(TNet& net, const TGridRange& nodes);

}  // namespace tarn
