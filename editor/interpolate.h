// interpolate.h: TInterpolateDlg, the "Interpolation Parameters" dialog of the interpolation tool.
#pragma once

#include "analysis/gridding/Gridding.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace tarn {

// What the dialog's controls say about the next interpolation.
struct TInterpolationSettings {
    // Nearest Neighbour (the spline gridding of the dragged area) or Trend
    // Analysis (over the whole grid).
    bool nearest = true;
    gridding::GriddingOptions spline;
    bool trend = true;
    bool smoothing = true;
    int minHeight = 0;
};

// The Interpolation Parameters dialog. The main window makes it once and
// shows it for every use, so whatever the user set stays set for the next
// interpolation. The Nearest Neighbour controls are enabled with their
// method and the trend controls with theirs.
class TInterpolateDlg : public QDialog {
    Q_OBJECT

public:
    using THelpHandler = std::function<void(int topic)>;

    explicit TInterpolateDlg(QWidget* parent = nullptr, THelpHandler showHelp = {});

    TInterpolationSettings Settings() const;

private:
    void NearestRadioClick();
    void TrendRadioClick();
    void EnableMethodControls(bool nearest);

    QRadioButton* NearestRadio;
    QRadioButton* TrendRadio;
    QCheckBox* SpeedCheck;
    QCheckBox* GradientCheck;
    QCheckBox* ExtrapolateCheck;
    QSpinBox* Taughtness1Spin;
    QSpinBox* Taughtness2Spin;
    QWidget* TaughtnessLabel1;
    QWidget* TaughtnessLabel2;
    QCheckBox* TrendCheck;
    QCheckBox* SmoothingCheck;
    QSpinBox* MinHeightSpin;
    THelpHandler showHelp_;
};

}  // namespace tarn
