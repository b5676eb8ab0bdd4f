#pragma once

#include "model/edits/ContourTrace.h"

#include <functional>

namespace tarn {

class TDefineNet;

// Runs a trace's writing with every changed node kept in the canvas's undo
// list, then redraws the nodes the trace covered and marks the map changed.
void WriteTraceWithUndo(TDefineNet& net,
                        const std::function<std::optional<TTraceBounds>(const TOldHeightSink&)>& write);

}  // namespace tarn
