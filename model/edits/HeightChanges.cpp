#include "model/edits/HeightChanges.h"

#include "model/MapHeader.h"

namespace tarn {

THeightSnapshot::THeightSnapshot(const TNet& net, const TGridRange& nodes) : nodes_(nodes)
{
    for (int row = nodes.top; row <= nodes.bottom; ++row)
        for (int column = nodes.left; column <= nodes.right; ++column) {
            const TGridPoint* node = NodeAt(net, column, row);
            heights_.push_back(node ? node->Height : kNullHeight);
        }
}

bool THeightSnapshot::RecordChanges(const TNet& net, TUndoList& list) const
{
    TUndoList changes;
    std::size_t next = 0;
    for (int row = nodes_.top; row <= nodes_.bottom; ++row)
        for (int column = nodes_.left; column <= nodes_.right; ++column) {
            const std::int16_t before = heights_[next++];
            const TGridPoint* node = NodeAt(net, column, row);
            if (node && node->Height != before)
                changes.AddHeight(column, row, before);
        }
    if (changes.empty())
        return false;
    list = std::move(changes);
    return true;
}

}  // namespace tarn
