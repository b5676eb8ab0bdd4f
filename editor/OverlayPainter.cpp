#include "editor/OverlayPainter.h"

#include "editor/QtColour.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

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

// Saves the painter's pen and brush, and selects the object's own.
class ObjectPen {
public:
    ObjectPen(QPainter& painter, const TGraphObject& object) : painter_(painter)
    {
        painter_.save();
        QPen pen(ToQColor(object.PenColour), std::max<int>(1, object.PenWidth));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    }
    ~ObjectPen() { painter_.restore(); }
    ObjectPen(const ObjectPen&) = delete;
    ObjectPen& operator=(const ObjectPen&) = delete;

private:
    QPainter& painter_;
};

void DrawSpot(QPainter& painter, const TGraphPoint& point, double horizontal, double vertical)
{
    // A cross nine pixels across, centred on the point.
    const double x = point.X.toDouble() * horizontal;
    const double y = point.Y.toDouble() * vertical;
    const int row = RoundPixel(y);
    const int column = RoundPixel(x);
    painter.drawLine(RoundPixel(x - 5 + 1), row, RoundPixel(x + 5) - 1, row);
    painter.drawLine(column, RoundPixel(y - 5 + 1), column, RoundPixel(y + 5) - 1);
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
    switch (object.Kind()) {
    case GraphKind::Ellipse:
        if (points.size() == 2) {
            ObjectPen pen(painter, object);
            const QRect box = QRect(PixelOf(points[0], horizontal, vertical), PixelOf(points[1], horizontal, vertical)).normalized();
            painter.drawEllipse(box);
        }
        break;
    case GraphKind::Line:
        if (points.size() == 2) {
            ObjectPen pen(painter, object);
            painter.drawLine(PixelOf(points[0], horizontal, vertical), PixelOf(points[1], horizontal, vertical));
        }
        break;
    case GraphKind::Pen:
        if (!points.empty()) {
            ObjectPen pen(painter, object);
            QPolygon line;
            line.reserve(static_cast<int>(points.size()));
            for (const auto& point : points)
                line.append(PixelOf(point, horizontal, vertical));
            if (line.size() == 1)
                painter.drawPoint(line.first());
            else
                painter.drawPolyline(line);
        }
        break;
    case GraphKind::Spot:
        if (!points.empty()) {
            ObjectPen pen(painter, object);
            DrawSpot(painter, points.front(), horizontal, vertical);
        }
        break;
    }
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
