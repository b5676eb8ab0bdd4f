#include "editor/OverlayPainter.h"

#include "editor/QtColour.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

int RoundPixel(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

QPoint PixelOf(const TGraphPoint& point, double horizontal, double vertical)
{
    return {RoundPixel(point.X.toDouble() * horizontal), RoundPixel(point.Y.toDouble() * vertical)};
}

// Fills the outline of a stroke along the path. A filled outline gives
// the same pixels however the picture is cut into tiles, which a clipped
// line drawing does not. Coordinates are moved to the pixel centres.
void Stroke(QPainter& painter, const QPainterPath& path, const TGraphObject& object, Qt::PenCapStyle cap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(std::max<int>(1, object.PenWidth));
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    painter.fillPath(stroker.createStroke(path.translated(0.5, 0.5)), ToQColor(object.PenColour));
}

QPainterPath SpotPath(const TGraphPoint& point, double horizontal, double vertical)
{
    // A cross nine pixels across, centred on the point.
    const double x = point.X.toDouble() * horizontal;
    const double y = point.Y.toDouble() * vertical;
    const int row = RoundPixel(y);
    const int column = RoundPixel(x);
    QPainterPath path;
    path.moveTo(RoundPixel(x - 5 + 1), row);
    path.lineTo(RoundPixel(x + 5) - 1, row);
    path.moveTo(column, RoundPixel(y - 5 + 1));
    path.lineTo(column, RoundPixel(y + 5) - 1);
    return path;
}

QFont LabelFont(const TEnhString& label, int dpiY)
{
    QFont font(QString::fromStdString(label.Font.FaceName()));
    font.setPixelSize(std::max(1, dpiY * label.Font.Height() / 72));
    if (label.Font.Weight() > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(label.Font.Weight(), 100, 900)));
    font.setItalic(label.Font.Italic());
    return font;
}

}  // namespace

void DrawGraphObject(QPainter& painter, const TGraphObject& object, double horizontal, double vertical)
{
    const auto& points = object.Points;
    const auto pixel = [&](std::size_t i) { return QPointF(PixelOf(points[i], horizontal, vertical)); };
    QPainterPath path;
    Qt::PenCapStyle cap = Qt::RoundCap;
    switch (object.Kind()) {
    case GraphKind::Ellipse:
        if (points.size() == 2)
            path.addEllipse(QRectF(pixel(0), pixel(1)).normalized());
        break;
    case GraphKind::Line:
        if (points.size() == 2) {
            path.moveTo(pixel(0));
            path.lineTo(pixel(1));
        }
        break;
    case GraphKind::Pen:
        // A stroke of one point still shows as a dot.
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i == 0)
                path.moveTo(pixel(0));
            path.lineTo(pixel(i));
        }
        break;
    case GraphKind::Spot:
        if (!points.empty())
            path = SpotPath(points.front(), horizontal, vertical);
        cap = Qt::SquareCap;
        break;
    }
    if (!path.isEmpty())
        Stroke(painter, path, object, cap);
}

void DrawLabel(QPainter& painter, TEnhString& label, double horizontal, double vertical, int dpiY)
{
    if (label.Text.empty())
        return;
    const QFont font = LabelFont(label, dpiY);
    const QString text = QString::fromStdString(label.Text);
    const QFontMetrics metrics(font);
    const int left = RoundPixel(label.X.toDouble() * horizontal);
    const int top = RoundPixel(label.Y.toDouble() * vertical);
    label.Box = {left, top, left + metrics.horizontalAdvance(text), top + metrics.height()};
    painter.save();
    painter.setFont(font);
    painter.setPen(ToQColor(label.Colour));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
    painter.restore();
}

void DrawHandles(QPainter& painter, const TPixelRect& box)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    for (const TPixel centre : HandleCentres(box)) {
        const TPixelRect square = HandleSquare(centre);
        painter.drawRect(QRect(QPoint(square.left, square.top), QPoint(square.right - 1, square.bottom - 1)));
    }
    painter.restore();
}

}  // namespace tarn
