#pragma once

#include "controls/GradientSchemes.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace tarn {

class TChart;
class TGradientImage;

// The gradient profile editor shared by the fractal overlay dialog and the
// viewer's scene parameters: the red, green and blue curves of the gradient
// in GradientGraph, edited by dragging points of the channel chosen with
// RedGradient / GreenGradient / BlueGradient, set to one colour with
// GradientColorBut or replaced by a scheme from GradientTypeComboBox; the
// curves are sampled back into the 20 colours shown by GradImage. A host
// dialog may move GradImage into a layout of its own.
class TGradientEditor : public QWidget {
    Q_OBJECT

public:
    // Asks the user for a colour; nothing when the user cancelled.
    using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;

    enum Channel { RedChannel = 1, GreenChannel = 2, BlueChannel = 3 };

    explicit TGradientEditor(QWidget* parent = nullptr);

    // Puts the colours into the curves and the picture (the dialog's FormShow).
    void Load(const TGradient& gradient);
    // The working colours; the host reads them when its dialog closes with OK.
    const TGradient& Gradient() const { return gradient_; }

    int GradientChannel() const { return channel_; }
    int DragPoint() const { return dragPoint_; }
    double DragX() const { return dragX_; }
    bool Dragging() const { return dragging_; }

    TChart* GradientGraph() const { return graph_; }
    TGradientImage* GradImage() const { return image_; }
    // Replaces the colour dialog, for hosts with their own and for tests.
    void SetColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

    void RedGradientClick();
    void GreenGradientClick();
    void BlueGradientClick();
    void GradientGraphMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void GradientGraphMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void GradientGraphMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void GradientColorButClick();
    void GradientTypeComboBoxChange(int scheme);
    // Samples the curves into the 20 colours and repaints GradImage.
    void RebuildGradient();

signals:
    // The colours were rebuilt from the curves.
    void GradientChanged();

private:
    static double PointX(int k) { return GradientPointSpacing * k; }

    TChart* graph_;
    QRadioButton* red_;
    QRadioButton* green_;
    QRadioButton* blue_;
    QPushButton* colourButton_;
    QComboBox* schemes_;
    TGradientImage* image_;
    ColourChooser chooser_;

    TGradient gradient_{};
    int channel_ = RedChannel;
    int dragPoint_ = -1;
    double dragX_ = 0;
    bool dragging_ = false;
};

}  // namespace tarn
