#pragma once

#include "viewer/anim/FrameRun.h"

#include <functional>

namespace tarn {

class TGLPanel;
class TViewNet;

// Renders run frames in the viewer's GL panel: each frame is the panel's
// redraw with the frame's camera, its picture the one the panel keeps.
// With a supersample factor above 1 the frame is drawn that many times
// larger off screen, averaged down to the panel's size and then kept and
// shown by the panel. `betweenFrames` lets the window breathe (and the
// Abort button through) after every frame; an abort set then stops the run
// before the next one.
class TPanelFrames final : public IFrameRenderer {
public:
    TPanelFrames(TViewNet& net, TGLPanel& panel, int supersample, std::function<void()> betweenFrames);

    std::optional<TDibPicture> Render(const TCameraSetup& setup, int frameNumber, int frameCount) override;

private:
    TDibPicture DrawSupersampled();

    TViewNet& net_;
    TGLPanel& panel_;
    int supersample_;
    std::function<void()> betweenFrames_;
};

}  // namespace tarn
