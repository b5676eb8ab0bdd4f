#pragma once

#include <QPoint>
#include <QSlider>

namespace tarn {

// A track bar that also reports presses and releases of the left mouse
// button, after the slider itself has handled them.
class TEnhTrackBar : public QSlider {
    Q_OBJECT

public:
    explicit TEnhTrackBar(QWidget* parent = nullptr);
    explicit TEnhTrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tarn
