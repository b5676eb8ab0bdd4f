#pragma once

#include "model/Colour.h"

#include <QWidget>

#include <optional>

class QColorDialog;

namespace tarn {

// A colour swatch: a filled rectangle with an outline of 1 or 2 pixels.
// Clicking it, or pressing Space or Enter on it, fires Clicked.
class TColourSwatch : public QWidget {
    Q_OBJECT

public:
    TColourSwatch(QWidget* parent, const char* name, const QString& accessibleName);

    TColorRef Colour() const { return colour_; }
    void SetColour(TColorRef colour);
    int OutlineWidth() const { return outline_; }
    void SetOutlineWidth(int width);

    QSize sizeHint() const override { return {24, 18}; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TColorRef colour_ = 0;
    int outline_ = 1;
};

// Shows the colour dialog at a colour; the colour chosen, or nothing when
// the user cancelled.
std::optional<TColorRef> ChooseColour(QColorDialog& dialog, TColorRef initial);
// A colour dialog of our own (not the desktop's), named for the tests.
QColorDialog* MakeColourDialog(QWidget* parent, const char* name);

}  // namespace tarn
