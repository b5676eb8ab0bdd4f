#include "editor/Cursors.h"

#include "editor/CanvasTool.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <functional>

namespace tarn {

namespace {

constexpr int kSize = 32;
constexpr QPoint kCentre(10, 21);

// Draws a shape twice, wide in white and then thin in black, so the cursor
// shows on dark and light maps alike.
void Outlined(QPainter& painter, const std::function<void()>& draw, qreal width = 1)
{
    painter.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw();
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw();
}

// Cross hairs on the hot spot, open in the middle.
void CrossHairs(QPainter& painter)
{
    const int x = kCentre.x();
    const int y = kCentre.y();
    Outlined(painter, [&] {
        painter.drawLine(x - 8, y, x - 3, y);
        painter.drawLine(x + 3, y, x + 8, y);
        painter.drawLine(x, y - 8, x, y - 3);
        painter.drawLine(x, y + 3, x, y + 8);
    });
}

// The small sign each cursor carries at its upper right.
void Sign(QPainter& painter, const QString& name)
{
    painter.setBrush(Qt::NoBrush);
    if (name == "CSPOTH") {  // a node with its height
        Outlined(painter, [&] {
            painter.drawLine(20, 2, 20, 12);
            painter.drawLine(26, 2, 26, 12);
            painter.drawLine(20, 7, 26, 7);
        });
    } else if (name == "CSPOTT") {  // a painted square
        painter.setBrush(QColor(0, 128, 0));
        Outlined(painter, [&] { painter.drawRect(19, 3, 9, 9); });
    } else if (name == "CRECT") {  // a dragged area
        Outlined(painter, [&] { painter.drawRect(18, 3, 11, 8); });
    } else if (name == "CMANUAL") {  // a contour line being drawn
        Outlined(painter, [&] {
            QPainterPath path(QPointF(17, 11));
            path.cubicTo(20, 2, 25, 14, 29, 4);
            painter.drawPath(path);
        });
    } else if (name == "CAUTO") {  // a contour line with a spark
        Outlined(painter, [&] {
            QPainterPath path(QPointF(17, 12));
            path.cubicTo(20, 4, 25, 14, 29, 6);
            painter.drawPath(path);
            painter.drawLine(24, 1, 24, 4);
            painter.drawLine(22, 2, 26, 2);
        });
    } else if (name == "CFLOOD") {  // water
        painter.setBrush(QColor(64, 128, 255));
        Outlined(painter, [&] {
            QPainterPath drop(QPointF(24, 1));
            drop.cubicTo(28, 7, 29, 12, 24, 13);
            drop.cubicTo(19, 12, 20, 7, 24, 1);
            painter.drawPath(drop);
        });
    } else if (name == "COVER") {  // a pen nib
        Outlined(painter, [&] {
            painter.drawLine(18, 13, 28, 3);
            painter.drawLine(18, 13, 20, 8);
            painter.drawLine(18, 13, 23, 11);
        });
    }
}

bool IsKnown(const QString& name)
{
    static const std::array<const char*, 7> names{"CAUTO", "CFLOOD", "CMANUAL", "COVER", "CRECT", "CSPOTH", "CSPOTT"};
    return std::any_of(names.begin(), names.end(), [&](const char* known) { return name == known; });
}

}  // namespace

QCursor NamedCursor(const QString& name)
{
    if (!IsKnown(name))
        return QCursor(Qt::ArrowCursor);
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        CrossHairs(painter);
        Sign(painter, name);
    }
    return QCursor(pixmap, kCentre.x(), kCentre.y());
}

QString ToolCursorName(int toolCode)
{
    switch (toolCode) {
    case kSpotHeightTool:
    case kDefaultHeightTool:
        return "CSPOTH";
    case kManualTraceTool:
        return "CMANUAL";
    case kAutoTraceTool:
        return "CAUTO";
    case kLevelAreaTool:
    case kInterpolateTool:
    case kAreaTerrainTool:
        return "CRECT";
    case kSpotTerrainTool:
        return "CSPOTT";
    case kFloodTool:
        return "CFLOOD";
    case kSectionTool:
        return "COVER";
    default:
        return {};
    }
}

}  // namespace tarn
