#include "viewer/ui/Swatch.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarn {

TColourSwatch::TColourSwatch(QWidget* parent, const char* name, const QString& accessibleName) : QWidget(parent)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(sizeHint());
}

void TColourSwatch::SetColour(TColorRef colour)
{
    colour_ = colour;
    update();
}

void TColourSwatch::SetOutlineWidth(int width)
{
    outline_ = width;
    update();
}

void TColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(RedOf(colour_), GreenOf(colour_), BlueOf(colour_)));
    painter.setPen(QPen(hasFocus() ? palette().highlight().color() : QColor(Qt::black), outline_));
    painter.setBrush(Qt::NoBrush);
    const int inset = outline_ / 2;
    painter.drawRect(rect().adjusted(inset, inset, -outline_ + inset, -outline_ + inset));
}

void TColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Clicked();
}

void TColourSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit Clicked();
    else
        QWidget::keyPressEvent(event);
}

std::optional<TColorRef> ChooseColour(QColorDialog& dialog, TColorRef initial)
{
    dialog.setCurrentColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

QColorDialog* MakeColourDialog(QWidget* parent, const char* name)
{
    auto* dialog = new QColorDialog(parent);
    dialog->setObjectName(name);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    return dialog;
}

}  // namespace tarn
