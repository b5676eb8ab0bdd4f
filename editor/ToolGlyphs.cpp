#include "editor/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace tarn {

namespace {

constexpr int kSize = 20;
const QColor kInk(40, 40, 40);
const QColor kWater(50, 110, 220);
const QColor kLand(70, 150, 60);
const QColor kContour(170, 90, 30);

using Glyph = std::function<void(QPainter&)>;

void Magnifier(QPainter& p, bool plus, bool minus)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
    p.setPen(QPen(kInk, 1.6));
    if (plus || minus)
        p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
    if (plus)
        p.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
}

void Node(QPainter& p, QPointF at, const QColor& colour, double radius = 2.5)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
}

void ContourLine(QPainter& p, const QColor& colour, double width = 2)
{
    QPainterPath path(QPointF(2, 15));
    path.cubicTo(6, 3, 12, 19, 18, 5);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Arrow(QPainter& p)
{
    QPolygonF arrow({{5, 2}, {5, 16}, {8.5, 12.5}, {11, 18}, {13, 17}, {10.5, 11.5}, {15, 11.5}});
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
}

void AreaFrame(QPainter& p)
{
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, 15, 15));
}

const std::map<QString, Glyph>& Glyphs()
{
    static const std::map<QString, Glyph> glyphs{
        {"ZoomInButton", [](QPainter& p) { Magnifier(p, true, false); }},
        {"ZoomOutButton", [](QPainter& p) { Magnifier(p, false, true); }},
        {"FlipZoomButton",
         [](QPainter& p) {
             Magnifier(p, false, false);
             p.setPen(QPen(kWater, 1.6));
             p.drawLine(QPointF(5, 6.5), QPointF(11, 6.5));
             p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
             p.drawLine(QPointF(9, 4.5), QPointF(11, 6.5));
             p.drawLine(QPointF(7, 11.5), QPointF(5, 9.5));
         }},
        {"RedrawButton",
         [](QPainter& p) {
             p.setPen(QPen(kLand, 2.2, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(3, 3, 14, 14), 100 * 16, 290 * 16);
             p.setPen(Qt::NoPen);
             p.setBrush(kLand);
             p.drawPolygon(QPolygonF({{8, 0.5}, {13, 3.5}, {8, 6.5}}));
         }},
        {"LoadBMPButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(200, 225, 255));
             p.drawRect(QRectF(1.5, 3.5, 17, 13));
             p.setPen(Qt::NoPen);
             p.setBrush(kLand);
             p.drawPolygon(QPolygonF({{2, 16}, {8, 8}, {12, 13}, {14, 11}, {18, 16}}));
             p.setBrush(QColor(250, 200, 40));
             p.drawEllipse(QPointF(14, 7), 2, 2);
         }},
        {"SpotButton",
         [](QPainter& p) {
             Node(p, {5, 14}, kInk, 3);
             p.setPen(kInk);
             QFont font = p.font();
             font.setPixelSize(9);
             font.setBold(true);
             p.setFont(font);
             p.drawText(QRectF(8, 1, 12, 10), Qt::AlignCenter, "99");
         }},
        {"DefaultSpotButton",
         [](QPainter& p) {
             Node(p, {5, 14}, kInk, 3);
             Node(p, {15, 14}, kInk, 3);
             p.setPen(QPen(kWater, 1.6));
             p.drawLine(QPointF(5, 5), QPointF(15, 5));
             p.drawLine(QPointF(12, 2), QPointF(15, 5));
             p.drawLine(QPointF(12, 8), QPointF(15, 5));
         }},
        {"ManContourButton",
         [](QPainter& p) {
             ContourLine(p, QColor(220, 30, 30));
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(250, 210, 80));
             p.drawPolygon(QPolygonF({{17, 1}, {19, 3}, {12, 10}, {9.5, 10.5}, {10, 8}}));
         }},
        {"AutoContourButton",
         [](QPainter& p) {
             ContourLine(p, kContour);
             p.setPen(QPen(kWater, 1.4));
             p.drawLine(QPointF(3, 2), QPointF(3, 8));
             p.drawLine(QPointF(0, 5), QPointF(6, 5));
         }},
        {"LevelButton",
         [](QPainter& p) {
             AreaFrame(p);
             p.setPen(QPen(kLand, 2.5));
             p.drawLine(QPointF(5, 10), QPointF(15, 10));
         }},
        {"InterpolateButton",
         [](QPainter& p) {
             AreaFrame(p);
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 3; ++c)
                     Node(p, {6.0 + 4 * c, 6.0 + 4 * r}, (r + c) % 2 ? kLand : kInk, 1.3);
         }},
        {"TerrainButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kLand);
             p.drawRect(QRectF(4.5, 4.5, 11, 11));
         }},
        {"AreaTerrainButton",
         [](QPainter& p) {
             AreaFrame(p);
             p.setPen(Qt::NoPen);
             p.setBrush(kLand);
             p.drawRect(QRectF(5, 5, 10, 10));
         }},
        {"LochButton",
         [](QPainter& p) {
             p.setPen(QPen(kWater, 2, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             for (int y : {6, 11, 16}) {
                 QPainterPath wave(QPointF(2, y));
                 wave.cubicTo(6, y - 4, 8, y + 4, 12, y);
                 wave.cubicTo(15, y - 4, 17, y + 3, 18, y);
                 p.drawPath(wave);
             }
         }},
        {"ObjectButton",
         [](QPainter& p) {
             p.setPen(QPen(kWater, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(8, 9, 10, 8));
             Arrow(p);
         }},
        {"SectionButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.drawLine(QPointF(1.5, 18.5), QPointF(18.5, 18.5));
             p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 18.5));
             p.setPen(QPen(kWater, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawPolyline(QPolygonF({{3, 15}, {7, 8}, {10, 11}, {14, 4}, {18, 12}}));
         }},
        {"SelectButton", [](QPainter& p) { Arrow(p); }},
        {"PenButton",
         [](QPainter& p) {
             QPainterPath path(QPointF(2, 14));
             path.cubicTo(5, 2, 9, 20, 12, 8);
             path.cubicTo(14, 2, 17, 10, 18, 5);
             p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawPath(path);
         }},
        {"LineButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(3, 17), QPointF(17, 3));
         }},
        {"SegLineButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawPolyline(QPolygonF({{2, 16}, {7, 5}, {12, 13}, {18, 3}}));
         }},
        {"EllipseButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(2, 5, 16, 10));
         }},
        {"SymbolButton",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.8));
             p.drawLine(QPointF(10, 3), QPointF(10, 17));
             p.drawLine(QPointF(3, 10), QPointF(17, 10));
         }},
    };
    return glyphs;
}

}  // namespace

QIcon ToolGlyph(const QString& buttonName)
{
    const auto& glyphs = Glyphs();
    const auto found = glyphs.find(buttonName);
    if (found == glyphs.end())
        return {};
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tarn
