#include "editor/RubberAreaTool.h"

#include "editor/DefNet.h"

#include <QPainter>

namespace tarn {

void TRubberAreaTool::MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    active_ = true;
    start_ = end_ = point;
    net.update();
}

void TRubberAreaTool::MouseMove(TDefineNet& net, QPoint point)
{
    if (!active_)
        return;
    end_ = point;
    net.update();
}

void TRubberAreaTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    if (!active_)
        return;
    active_ = false;
    end_ = point;
    net.update();
    AreaSelected(net, start_, end_);
}

void TRubberAreaTool::Leave(TDefineNet& net)
{
    if (active_) {
        active_ = false;
        net.update();
    }
}

void TRubberAreaTool::PaintMarks(QPainter& painter) const
{
    if (!active_)
        return;
    // Black dashes over white ones show on any map colour.
    const QRect rect = QRect(start_, end_).normalized();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(rect);
    painter.restore();
}

}  // namespace tarn
