#include "viewer/ui/PathBoxView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace tarn {

namespace {

// Half the side of the square drawn around a control point.
constexpr int kPointReach = 6;
// Radius of the dot marking a view point away from its control point.
constexpr int kViewPointReach = 3;

TBoxPoint BoxPointOf(const QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

QPolygonF Track(const std::vector<std::array<double, 2>>& points)
{
    QPolygonF track;
    for (const auto& [x, y] : points)
        track << QPointF(x, y);
    return track;
}

}  // namespace

TPathBoxView::TPathBoxView(const TFlightPath& path, const TGeneratedPath& generated, QWidget* parent)
    : QWidget(parent), path_(path), generated_(generated)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::CrossCursor);
}

void TPathBoxView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The camera's track goes over the track it looks at, which it hides
    // where the view points sit on their control points.
    painter.setPen(QPen(Qt::yellow, 2));
    painter.drawPolyline(Track(generated_.viewTrack));
    if (const auto& [cx, cy, radius] = generated_.circle; radius > 0)
        painter.drawEllipse(QPointF(cx, cy), radius, radius);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawPolyline(Track(generated_.cameraTrack));

    const auto& points = path_.ControlPoints();
    const auto& views = path_.ViewPoints();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    for (std::size_t i = 1; i < points.size(); ++i)
        painter.drawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    painter.setPen(QPen(Qt::magenta, 1));
    for (std::size_t i = 0; i < points.size(); ++i)
        painter.drawLine(points[i].x, points[i].y, views[i].x, views[i].y);
    painter.setBrush(Qt::magenta);
    for (std::size_t i = 0; i < points.size(); ++i)
        if (!path_.ViewPointOnItsPoint(static_cast<int>(i)))
            painter.drawEllipse(QPoint(views[i].x, views[i].y), kViewPointReach, kViewPointReach);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    for (const auto& point : points)
        painter.drawRect(point.x - kPointReach, point.y - kPointReach, 2 * kPointReach, 2 * kPointReach);
}

void TPathBoxView::mousePressEvent(QMouseEvent* event)
{
    emit Pressed(event->button(), event->modifiers(), BoxPointOf(event));
}

void TPathBoxView::mouseMoveEvent(QMouseEvent* event)
{
    emit Moved(BoxPointOf(event));
}

void TPathBoxView::mouseReleaseEvent(QMouseEvent*)
{
    emit Released();
}

}  // namespace tarn
