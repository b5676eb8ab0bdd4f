#include "viewer/ui/PanelFrames.h"

#include "viewer/render/ViewNet.h"
#include "viewer/ui/GLPanel.h"

namespace tarn {

TPanelFrames::TPanelFrames(TViewNet& net, TGLPanel& panel, std::function<void()> betweenFrames)
    : net_(net), panel_(panel), betweenFrames_(std::move(betweenFrames))
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
    panel_.Redraw();
    if (net_.AbortLoad)
        return std::nullopt;
    TDibPicture picture = panel_.Picture();
    betweenFrames_();
    return picture;
}

}  // namespace tarn
