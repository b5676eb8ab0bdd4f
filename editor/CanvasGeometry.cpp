#include "editor/CanvasGeometry.h"

#include <algorithm>
#include <cmath>

namespace tarn {

double TCanvasGeometry::ComputeScale(int width, int height, int columns, int rows)
{
    if (columns < 1 || rows < 1 || width < 1 || height < 1)
        return 1.0;
    if (static_cast<double>(width) / columns >= static_cast<double>(height) / rows)
        return height / (rows - 0.5);
    return width / (columns - 0.5);
}

TCanvasGeometry::TNodeHit TCanvasGeometry::NodeAt(int x, int y) const
{
    const int column = std::min(static_cast<int>(std::trunc((x + scale / 2) / scale)), columns - 1);
    const int row = std::min(static_cast<int>(std::trunc((y + scale / 2) / scale)), rows - 1);
    if (column < 0 || row < 0)
        return {};
    return {column + row * columns + 1, column, row};
}

TCanvasGeometry::TSquareHit TCanvasGeometry::SquareAt(int x, int y) const
{
    if (columns < 2 || rows < 2)
        return {};
    const int column = std::min(static_cast<int>(std::trunc(x / scale)) + 1, columns - 1);
    const int row = std::min(static_cast<int>(std::trunc(y / scale)) + 1, rows - 1);
    if (column < 1 || row < 1)
        return {};
    return {column + (columns - 1) * (row - 1), column, row};
}

int TCanvasGeometry::Pixel(double steps) const
{
    return static_cast<int>(std::nearbyint(steps * scale));
}

}  // namespace tarn
