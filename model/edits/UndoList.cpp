#include "model/edits/UndoList.h"

#include "model/Net.h"
#include "model/edits/GridRange.h"

#include <algorithm>
#include <climits>

namespace tarn {

void ApplyUndo(TNet& net, const TUndoList& list)
{
    TGridRange restored{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const UndoRecord& record = *it;
        if (record.oldHeight != UndoRecord::kNoValue) {
            if (TGridPoint* node = NodeAt(net, record.column, record.row)) {
                node->Height = static_cast<std::int16_t>(record.oldHeight);
                restored = {std::min(restored.left, record.column), std::min(restored.top, record.row),
                            std::max(restored.right, record.column), std::max(restored.bottom, record.row)};
            }
        }
        if (record.oldTerrain != UndoRecord::kNoValue)
            if (TGridSquare* square = SquareAt(net, record.column, record.row))
                square->Terrain = static_cast<std::int16_t>(record.oldTerrain);
    }
    if (restored.left <= restored.right)
        UpdateSquaresAround(net, restored);
}

}  // namespace tarn
