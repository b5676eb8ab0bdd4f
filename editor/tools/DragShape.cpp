#include "editor/tools/DragShape.h"

#include "editor/DefNet.h"

#include <QPainter>

namespace tarn {

void TDragShape::Down(TDefineNet& net, QPoint point)
{
    object_ = CreateGraphObject(static_cast<std::uint8_t>(kind_));
    AddPixelPoint(net, *object_, point);
    start_ = end_ = point;
    net.update();
}

void TDragShape::Move(TDefineNet& net, QPoint point)
{
    if (!object_)
        return;
    end_ = point;
    net.update();
}

void TDragShape::Up(TDefineNet& net, QPoint point)
{
    if (!object_)
        return;
    end_ = point;
    AddPixelPoint(net, *object_, end_);
    FinishDrawnObject(net, std::move(object_), BoxOf(start_, end_));
}

void TDragShape::Leave(TDefineNet& net)
{
    object_.reset();
    net.update();
}

void TDragShape::Paint(QPainter& painter) const
{
    if (!object_)
        return;
    PaintRubber(painter, [this](QPainter& p) {
        if (kind_ == GraphKind::Ellipse)
            p.drawEllipse(QRect(start_, end_).normalized());
        else
            p.drawLine(start_, end_);
    });
}

}  // namespace tarn
