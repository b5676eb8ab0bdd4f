#include "editor/OverlayPainter.h"

#include "editor/QtColour.h"
#include "model/OverlayPixels.h"
#include "model/TextCodec.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <string_view>

namespace tarn {

namespace {

QPoint PixelOf(const TGraphPoint& point, double horizontal, double vertical)
{
    return {GridToPixel(point.X.toDouble(), horizontal), GridToPixel(point.Y.toDouble(), vertical)};
}

// A text field of the map, held in the Windows Western code page.
QString MapText(std::string_view bytes)
{
    return QString::fromStdString(WindowsWesternToUtf8(bytes));
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
    const int row = RoundToPixel(y);
    const int column = RoundToPixel(x);
    QPainterPath path;
    path.moveTo(RoundToPixel(x - 5 + 1), row);
    path.lineTo(RoundToPixel(x + 5) - 1, row);
    path.moveTo(column, RoundToPixel(y - 5 + 1));
    path.lineTo(column, RoundToPixel(y + 5) - 1);
    return path;
}

}  // namespace

QFont LabelFont(const TEnhString& label, int dpiY)
{
    QFont font(MapText(label.Font.FaceName()));
    font.setPixelSize(LabelPixelHeight(label.Font.Height(), dpiY));
    if (label.Font.Weight() > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(label.Font.Weight(), 100, 900)));
    font.setItalic(label.Font.Italic());
    return font;
}

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
    const QString text = MapText(label.Text);
    const QFontMetrics metrics(font);
    const int left = GridToPixel(label.X.toDouble(), horizontal);
    const int top = GridToPixel(label.Y.toDouble(), vertical);
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
