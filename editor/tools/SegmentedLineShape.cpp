#include "editor/tools/SegmentedLineShape.h"

#include "editor/DefNet.h"
#include "model/OverlayEdit.h"

#include <QPainter>

namespace tarn {

void TSegmentedLineShape::Down(TDefineNet& net, QPoint point)
{
    if (LineOpen()) {
        lastFixed_ = end_;
        end_ = point;
    } else {
        // The press that comes with the double click which ended the last
        // line starts no new one.
        if (std::exchange(swallowNextPress_, false))
            return;
        auto line = std::make_unique<TGraphPen>();
        AddPixelPoint(net, *line, point);
        line_ = line.get();
        net.Overlays.push_back(std::move(line));
        lastFixed_ = end_ = point;
        box_ = BoxOf(point, point);
        pixels_ = QPolygon{point};
    }
    dragging_ = true;
    net.update();
}

void TSegmentedLineShape::Move(TDefineNet& net, QPoint point)
{
    if (!dragging_)
        return;
    end_ = point;
    net.update();
}

void TSegmentedLineShape::Up(TDefineNet& net, QPoint point)
{
    if (!dragging_)
        return;
    dragging_ = false;
    end_ = point;
    if (InOverlays(net.Overlays, line_)) {
        box_ = Widened(box_, end_);
        AddPixelPoint(net, *line_, end_);
        pixels_.append(end_);
    }
    net.update();
}

void TSegmentedLineShape::DoubleClick(TDefineNet& net, QPoint)
{
    if (!LineOpen())
        return;
    Finish(net);
    swallowNextPress_ = true;
}

void TSegmentedLineShape::Leave(TDefineNet& net)
{
    Finish(net);
}

void TSegmentedLineShape::Finish(TDefineNet& net)
{
    if (InOverlays(net.Overlays, line_))
        FinishListedObject(net, *line_, box_);
    line_ = nullptr;
    dragging_ = false;
    pixels_.clear();
    net.update();
}

void TSegmentedLineShape::Paint(QPainter& painter) const
{
    if (!LineOpen())
        return;
    PaintRubber(painter, [this](QPainter& p) {
        p.drawPolyline(pixels_);
        if (dragging_)
            p.drawLine(lastFixed_, end_);
    });
}

}  // namespace tarn
