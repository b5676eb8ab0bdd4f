#include "viewer/ui/PanelFrames.h"

#include "viewer/render/ViewNet.h"
#include "viewer/ui/GLPanel.h"

namespace tarn {

TPanelFrames::TPanelFrames(TViewNet& net, TGLPanel& panel, int supersample, std::function<void()> betweenFrames)
    : net_(net), panel_(panel), supersample_(supersample), betweenFrames_(std::move(betweenFrames))
{
    net_.AbortLoad = false;
}

std::optional<TDibPicture> TPanelFrames::Render(const TCameraSetup& setup, int frameNumber, int frameCount)
{
    if (net_.AbortLoad)
        return std::nullopt;
    net_.MapHeader.CameraPos = setup.camera;
    net_.MapHeader.TargetPos = setup.target;
    net_.SetFrameInfo(frameNumber, frameCount);
    TDibPicture picture;
    if (supersample_ > 1) {
        picture = DrawSupersampled();
    } else {
        panel_.Redraw();
        picture = panel_.Picture();
    }
    if (net_.AbortLoad)
        return std::nullopt;
    betweenFrames_();
    return picture;
}

TDibPicture TPanelFrames::DrawSupersampled()
{
    const QSize frameSize = panel_.DrawSize();
    const QSize drawSize = frameSize * supersample_;
    net_.SetViewSize(drawSize.width(), drawSize.height());
    TDibPicture picture = Downsample(panel_.DrawBitmap(drawSize), supersample_);
    net_.SetViewSize(frameSize.width(), frameSize.height());
    panel_.ShowPicture(picture);
    return picture;
}

}  // namespace tarn
