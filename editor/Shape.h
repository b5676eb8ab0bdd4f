#pragma once

#include <QColor>
#include <QWidget>

namespace tarn {

// A filled rectangle (plain or rounded) with an outline, used for the colour
// swatches, the line-width bars and the pen sample. It reports presses and
// releases of any mouse button.
class TShape : public QWidget {
    Q_OBJECT

public:
    enum class Form { Rectangle, RoundRect };

    explicit TShape(QWidget* parent = nullptr, Form form = Form::Rectangle);

    QColor BrushColour() const { return brush_; }
    void SetBrushColour(const QColor& colour);
    int PenWidth() const { return penWidth_; }
    // Width 0 draws no outline.
    void SetPenWidth(int width);
    void SetPenColour(const QColor& colour);

    QSize sizeHint() const override { return {20, 16}; }

signals:
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Form form_;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};

}  // namespace tarn
