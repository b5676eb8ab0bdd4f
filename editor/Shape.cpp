#include "editor/Shape.h"

#include <QMouseEvent>

#include <algorithm>
#include <QPainter>

namespace tarn {

TShape::TShape(QWidget* parent, Form form) : QWidget(parent), form_(form) {}

void TShape::SetBrushColour(const QColor& colour)
{
    brush_ = colour;
    update();
}

void TShape::SetPenWidth(int width)
{
    penWidth_ = std::max(0, width);
    update();
}

void TShape::SetPenColour(const QColor& colour)
{
    pen_ = colour;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, form_ == Form::RoundRect);
    painter.setBrush(brush_);
    if (penWidth_ > 0)
        painter.setPen(QPen(pen_, penWidth_));
    else
        painter.setPen(Qt::NoPen);
    const qreal inset = penWidth_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (form_ == Form::RoundRect)
        painter.drawRoundedRect(box, 4, 4);
    else
        painter.drawRect(box);
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button());
}

void TShape::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->button());
}

}  // namespace tarn
