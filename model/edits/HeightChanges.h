#pragma once

#include "model/edits/GridRange.h"
#include "model/edits/UndoList.h"

#include <cstdint>
#include <vector>

namespace tarn {

// The heights of a rectangle of nodes as they were before an operation
// that changes many of them at once (interpolation, smoothing), so that
// afterwards the nodes it changed can go into the undo list.
class THeightSnapshot {
public:
    THeightSnapshot(const TNet& net, const TGridRange& nodes);

    // When a node of the rectangle no longer has the height saved, the list
    // is replaced by one record per such node and true returned; otherwise
    // the list stays as it was (Undo then still takes back the edit before).
    bool RecordChanges(const TNet& net, TUndoList& list) const;

private:
    TGridRange nodes_;
    std::vector<std::int16_t> heights_;
};

}  // namespace tarn
