#pragma once

#include "viewer/ui/Viewform.h"

namespace tarn {

// Holds the main window in its busy state (Abort enabled, the other tool
// buttons disabled) for its lifetime; nests.
class TBusyState {
public:
    explicit TBusyState(TViewer& viewer) : viewer_(viewer) { viewer_.EnterBusy(); }
    ~TBusyState() { viewer_.LeaveBusy(); }
    TBusyState(const TBusyState&) = delete;
    TBusyState& operator=(const TBusyState&) = delete;

private:
    TViewer& viewer_;
};

}  // namespace tarn
