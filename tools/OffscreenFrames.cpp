#include "tools/OffscreenFrames.h"

#include "tools/TerminalProgress.h"
#include "viewer/render/PictureReadBack.h"
#include "viewer/render/ViewNet.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <chrono>

namespace tarn::tool {

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TOffscreenFrames::TOffscreenFrames(TViewNet& net, int width, int height, int supersample, const char* caption)
    : net_(net),
      supersample_(supersample > 1 ? supersample : 1),
      context_(std::make_unique<TOffscreenContext>(width * supersample_, height * supersample_)),
      progress_(std::make_unique<TerminalProgress>()),
      caption_(caption)
{
    net_.InitContext();
    net_.SetViewSize(context_->Width(), context_->Height());
}

TOffscreenFrames::~TOffscreenFrames() = default;

std::optional<TDibPicture> TOffscreenFrames::Render(const TCameraSetup& setup, int frameNumber, int frameCount)
{
    progress_->setCaptions(caption_, "frame " + std::to_string(frameNumber) + " of " + std::to_string(frameCount));
    progress_->setPercent(frameCount > 0 ? 100 * (frameNumber - 1) / frameCount : 0);
    net_.MapHeader.CameraPos = setup.camera;
    net_.MapHeader.TargetPos = setup.target;
    net_.SetFrameInfo(frameNumber, frameCount);
    const auto drawStart = std::chrono::steady_clock::now();
    if (!net_.DrawScene(0, net_.MapHeader.FractalDepth, nullptr))
        return std::nullopt;
    drawSeconds_ += SecondsSince(drawStart);
    const auto readStart = std::chrono::steady_clock::now();
    auto picture = Downsample(ReadPicture(context_->Width(), context_->Height()), supersample_);
    readBackSeconds_ += SecondsSince(readStart);
    return picture;
}

}  // namespace tarn::tool
