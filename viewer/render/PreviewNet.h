#pragma once

#include "viewer/render/ViewNet.h"

namespace tarn {

// The small map the parameters dialog draws as a live preview: at most 21
// nodes a side, sampled from the real map, drawn plain without grid or sky.
class TPreviewNet : public TViewNet {
public:
    // A 21 x 21 grid over +-500 world units, camera at (500, 0, 30) looking
    // at the origin; not ready until built from a map.
    TPreviewNet();

    // The sampling step for a map: the smallest s >= 1 with
    // max(columns, rows) div s < 22.
    static int SamplingStep(int columns, int rows);

    // Samples the map every SamplingStep nodes and takes over its scene
    // settings (the header from offset 260 on).
    void BuildFrom(const TNet& map);
    bool Ready() const { return ready_; }

    // Draws the preview when it is ready and camera and target differ;
    // returns false when nothing was drawn.
    bool Paint();

private:
    bool ready_ = false;
};

}  // namespace tarn
