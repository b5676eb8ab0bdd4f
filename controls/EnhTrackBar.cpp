#include "controls/EnhTrackBar.h"

#include <QMouseEvent>

namespace tarn {

TEnhTrackBar::TEnhTrackBar(QWidget* parent) : TEnhTrackBar(Qt::Horizontal, parent) {}

TEnhTrackBar::TEnhTrackBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
    setTickPosition(QSlider::TicksBelow);
}

void TEnhTrackBar::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit MouseDown(Qt::LeftButton, event->modifiers(), event->position().toPoint());
}

void TEnhTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit MouseUp(Qt::LeftButton, event->modifiers(), event->position().toPoint());
}

}  // namespace tarn
