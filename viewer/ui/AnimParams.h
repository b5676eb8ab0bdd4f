#pragma once

#include <QDialog>
#include <QSize>

#include <optional>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace tarn {

class THelpWindow;

// "Flight Animation Parameters": the frame file prefix, the frame size, the
// viewing angle below level flight and antialiasing, asked before a flight
// is rendered.
class TAnimParams : public QDialog {
    Q_OBJECT

public:
    TAnimParams(THelpWindow* help, QWidget* parent = nullptr);

    QString Prefix() const;
    // The checked frame size; none when no size button is checked.
    std::optional<QSize> FrameSize() const;
    int ViewAngle() const;
    bool AntiAlias() const;

private:
    QLineEdit* filePattern_;
    QRadioButton* sizes_[4];
    QSpinBox* viewAngle_;
    QCheckBox* antiAlias_;
};

}  // namespace tarn
