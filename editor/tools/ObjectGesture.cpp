#include "editor/tools/ObjectGesture.h"

#include "editor/DefNet.h"
#include "model/OverlayEdit.h"
#include "model/OverlayPixels.h"

#include <QPainter>

#include <algorithm>

namespace tarn {

TPixel ToPixel(QPoint point)
{
    return {point.x(), point.y()};
}

TPixelRect BoxOf(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

TPixelRect Widened(const TPixelRect& box, QPoint point)
{
    return {std::min(box.left, point.x()), std::min(box.top, point.y()), std::max(box.right, point.x()),
            std::max(box.bottom, point.y())};
}

void AddPixelPoint(TDefineNet& net, TGraphObject& object, QPoint point)
{
    object.Points.push_back({Real48::fromDouble(point.x() / net.Scale), Real48::fromDouble(point.y() / net.Scale)});
}

void FinishListedObject(TDefineNet& net, TGraphObject& object, const TPixelRect& box)
{
    FinishObject(object, box, net.Scale, net.PenColour, net.PenWidth);
    // The widest pen reaches a few pixels beyond the box.
    RedrawAround(net, box, 8);
    net.MarkModified();
}

void FinishDrawnObject(TDefineNet& net, std::unique_ptr<TGraphObject> object, const TPixelRect& box)
{
    TGraphObject& added = *object;
    net.Overlays.push_back(std::move(object));
    FinishListedObject(net, added, box);
}

void RedrawAround(TDefineNet& net, const TPixelRect& frame, int margin)
{
    const auto node = [&net](int pixel) { return RoundToPixel(pixel / net.Scale) + 1; };
    net.RedrawMap(false, {node(std::min(frame.left, frame.right) - margin), node(std::min(frame.top, frame.bottom) - margin),
                          node(std::max(frame.left, frame.right) + margin),
                          node(std::max(frame.top, frame.bottom) + margin)});
}

void PaintRubber(QPainter& painter, const std::function<void(QPainter&)>& draw)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3));
    draw(painter);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    painter.restore();
}

}  // namespace tarn
