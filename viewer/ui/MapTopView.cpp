#include "viewer/ui/MapTopView.h"

#include "controls/Flatimge.h"
#include "model/Net.h"

#include <algorithm>

namespace tarn {

void ShowMapHeights(TFlatImage& image, const TNet& map, int lowestHeight, int highestHeight)
{
    const int columns = map.MapHeader.Columns;
    const int rows = map.MapHeader.Rows;
    image.SetLowestHeight(lowestHeight);
    image.SetHighestHeight(highestHeight);
    image.SetNodeSize(columns, rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (const TGridPoint* point = map.GetPoint(row * columns + column + 1))
                image.SetNodeHeight(column, row, std::max<int>(point->Height, 0));
}

}  // namespace tarn
