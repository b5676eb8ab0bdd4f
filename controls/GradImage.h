#pragma once

#include "controls/GradientSchemes.h"

#include <QImage>
#include <QWidget>

namespace tarn {

// The gradient as a vertical strip, colour 18 in the top row fading down to
// colour 0; colour 19 never shows. Rows i = 0..height with
// p = (height - i) / height * 18 blend colours trunc(p) and trunc(p) + 1.
QImage GradientStripImage(const TGradient& gradient, QSize size);

// A picture of the gradient strip that fills the control.
class TGradientImage : public QWidget {
    Q_OBJECT

public:
    explicit TGradientImage(QWidget* parent = nullptr);

    void SetGradient(const TGradient& gradient);
    const TGradient& Gradient() const { return gradient_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGradient gradient_{};
};

}  // namespace tarn
