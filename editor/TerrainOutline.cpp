#include "editor/TerrainOutline.h"

namespace tarn {

TOutlineLines TerrainOutline(int x1, int y1, int x2, int y2, const TSameNeighbours& same)
{
    struct Side {
        QPoint end;
        QPoint past;  // two pixels beyond the end, along the side
        bool shared;
        bool nextShared;
    };
    const std::array<Side, 4> sides{{
        {{x2, y1}, {x2 + 2, y1}, same.above, same.right},
        {{x2, y2}, {x2, y2 + 2}, same.right, same.below},
        {{x1, y2}, {x1 - 2, y2}, same.below, same.left},
        {{x1, y1}, {x1, y1 - 2}, same.left, same.above},
    }};
    TOutlineLines result;
    QPoint at(x1, y1);
    for (const Side& side : sides) {
        if (!side.shared)
            result.lines[static_cast<std::size_t>(result.count++)] = QLine(at, side.nextShared ? side.past : side.end);
        at = side.end;
    }
    return result;
}

}  // namespace tarn
