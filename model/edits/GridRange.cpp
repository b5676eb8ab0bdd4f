#include "model/edits/GridRange.h"

#include "model/Net.h"

#include <algorithm>

namespace tarn {

TGridRange OrderedRange(int column1, int row1, int column2, int row2)
{
    return {std::min(column1, column2), std::min(row1, row2), std::max(column1, column2), std::max(row1, row2)};
}

TGridPoint* NodeAt(TNet& net, int column, int row)
{
    const int columns = net.MapHeader.Columns;
    if (column < 0 || column >= columns || row < 0 || row >= net.MapHeader.Rows)
        return nullptr;
    return net.GetPoint(column + row * columns + 1);
}

const TGridPoint* NodeAt(const TNet& net, int column, int row)
{
    return NodeAt(const_cast<TNet&>(net), column, row);
}

TGridSquare* SquareAt(TNet& net, int column, int row)
{
    const int columns = net.MapHeader.Columns;
    if (column < 1 || column >= columns || row < 1 || row >= net.MapHeader.Rows)
        return nullptr;
    return net.GetSquare(column + (columns - 1) * (row - 1));
}

TGridRange NodesOfSquares(const TGridRange& squares)
{
    return {squares.left - 1, squares.top - 1, squares.right, squares.bottom};
}

void UpdateSquaresAround(TNet& net, const TGridRange& nodes)
{
    // Node (c, r) is a corner of squares c..c + 1 by r..r + 1.
    for (int row = nodes.top; row <= nodes.bottom + 1; ++row)
        for (int column = nodes.left; column <= nodes.right + 1; ++column)
            if (TGridSquare* square = SquareAt(net, column, row))
                net.UpdateSquare(*square);
}

}  // namespace tarn
