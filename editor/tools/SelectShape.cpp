#include "editor/tools/SelectShape.h"

#include "editor/DefNet.h"
#include "editor/OverlayPainter.h"
#include "model/OverlayEdit.h"

#include <QPainter>

namespace tarn {

void TSelectShape::Down(TDefineNet& net, QPoint point)
{
    const TOverlayHit hit = OverlayAt(net.Overlays, ToPixel(point), net.Scale);
    selected_ = hit.object;
    dragging_ = selected_ != nullptr;
    if (selected_) {
        selectionFrame_ = dragFrame_ = hit.frame;
        grabOffset_ = {point.x() - hit.frame.left, point.y() - hit.frame.top};
        grabbedHandle_ = hit.handle;
    }
    net.update();
}

void TSelectShape::Move(TDefineNet& net, QPoint point)
{
    if (!dragging_ || !InOverlays(net.Overlays, selected_))
        return;
    if (grabbedHandle_ != 0 && selected_->Kind() != GraphKind::Spot) {
        dragFrame_ = ResizeFrame(dragFrame_, grabbedHandle_, ToPixel(point));
    } else {
        const QSize picture = net.MapPicture.Size();
        dragFrame_ = MoveFrame(dragFrame_, {point.x() - grabOffset_.x, point.y() - grabOffset_.y}, picture.width(),
                               picture.height());
    }
    net.update();
}

void TSelectShape::Up(TDefineNet& net, QPoint)
{
    if (!std::exchange(dragging_, false) || !InOverlays(net.Overlays, selected_))
        return;
    // A click that moved nothing leaves the object exactly as it was.
    if (dragFrame_ == selectionFrame_)
        return;
    FitObjectToFrame(*selected_, selectionFrame_, dragFrame_, net.Scale);
    RedrawAround(net, selectionFrame_, kMoveMargin);
    RedrawAround(net, dragFrame_, kMoveMargin);
    selectionFrame_ = ObjectFrame(*selected_, net.Scale);
    dragFrame_ = selectionFrame_;
    net.MarkModified();
    net.update();
}

void TSelectShape::Leave(TDefineNet& net)
{
    Deselect(net);
}

void TSelectShape::Deselect(TDefineNet& net)
{
    selected_ = nullptr;
    dragging_ = false;
    net.update();
}

void TSelectShape::Paint(QPainter& painter) const
{
    if (selected_)
        DrawHandles(painter, dragFrame_);
}

}  // namespace tarn
