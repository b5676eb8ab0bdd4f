#include "editor/tools/PenShape.h"

#include "editor/DefNet.h"

#include <QPainter>

namespace tarn {

void TPenShape::Down(TDefineNet& net, QPoint point)
{
    stroke_ = std::make_unique<TGraphPen>();
    AddPixelPoint(net, *stroke_, point);
    pixels_ = QPolygon{point};
    box_ = BoxOf(point, point);
    net.update();
}

void TPenShape::Move(TDefineNet& net, QPoint point)
{
    if (!stroke_ || point == pixels_.back())
        return;
    box_ = Widened(box_, point);
    AddPixelPoint(net, *stroke_, point);
    pixels_.append(point);
    net.update();
}

void TPenShape::Up(TDefineNet& net, QPoint)
{
    if (!stroke_)
        return;
    FinishDrawnObject(net, std::move(stroke_), box_);
    pixels_.clear();
}

void TPenShape::Leave(TDefineNet& net)
{
    stroke_.reset();
    pixels_.clear();
    net.update();
}

void TPenShape::Paint(QPainter& painter) const
{
    if (pixels_.isEmpty())
        return;
    PaintRubber(painter, [this](QPainter& p) {
        if (pixels_.size() == 1)
            p.drawPoint(pixels_.front());
        else
            p.drawPolyline(pixels_);
    });
}

}  // namespace tarn
