#include "editor/tools/TraceWriting.h"

#include "editor/DefNet.h"

namespace tarn {

void WriteTraceWithUndo(TDefineNet& net,
                        const std::function<std::optional<TTraceBounds>(const TOldHeightSink&)>& write)
{
    bool changed = false;
    const std::optional<TTraceBounds> bounds = write([&](TGridNode node, int oldHeight) {
        net.RecordUndo({node.column, node.row, oldHeight, UndoRecord::kNoValue});
        changed = true;
    });
    if (bounds)
        net.RedrawMap(false, {bounds->left + 1, bounds->top + 1, bounds->right + 1, bounds->bottom + 1});
    if (changed)
        net.MarkModified();
}

}  // namespace tarn
