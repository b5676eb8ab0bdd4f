#pragma once

#include "viewer/anim/FrameRun.h"

#include <memory>
#include <string>

namespace tarn {
class TOffscreenContext;
class TViewNet;
}

namespace tarn::tool {

class TerminalProgress;

// Renders run frames of a map through OSMesa at a fixed size; with
// supersampling each frame is drawn `supersample` times larger and
// averaged down. Shows the frame count on the terminal.
class TOffscreenFrames final : public IFrameRenderer {
public:
    TOffscreenFrames(TViewNet& net, int width, int height, int supersample, const char* caption);
    ~TOffscreenFrames() override;

    std::optional<TDibPicture> Render(const TCameraSetup& setup, int frameNumber, int frameCount) override;
    // Seconds spent drawing and reading back the frames so far.
    double DrawSeconds() const { return drawSeconds_; }
    double ReadBackSeconds() const { return readBackSeconds_; }

private:
    TViewNet& net_;
    int supersample_;
    std::unique_ptr<TOffscreenContext> context_;
    std::unique_ptr<TerminalProgress> progress_;
    std::string caption_;
    double drawSeconds_ = 0;
    double readBackSeconds_ = 0;
};

}  // namespace tarn::tool
