// FractalParameters.h: TFractalParametersForm, the "Fractal Overlay" dialog.
#pragma once

#include "analysis/fractal/Roughening.h"
#include "controls/GradientSchemes.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QFileDialog;
class QLineEdit;
class QSpinBox;

namespace tarn {

class TGradientEditor;
class THemisphere;

// The "Fractal Overlay" dialog: the height gradient the map is painted in,
// the direction of the light, how strongly the picture is roughened and the
// file it goes to. One dialog serves the editor's whole run and keeps what
// was chosen, but for the two roughness lists, which each run starts at
// "None".
class TFractalParametersForm : public QDialog {
    Q_OBJECT

public:
    using THelpHandler = std::function<void(int topic)>;

    explicit TFractalParametersForm(QWidget* parent = nullptr, THelpHandler showHelp = {});

    // Readies the dialog for a run on a map with this gradient and light.
    void Prepare(const TGradient& gradient, int lightAltitude, int lightAzimuth);

    const TGradient& Gradient() const;
    int LightAltitude() const;
    int LightAzimuth() const;
    fractal::TRoughness Level() const;
    fractal::TRoughness Density() const;
    // The picture file chosen with "..."; empty until one is.
    QString InternalFile() const;

    TGradientEditor* GradientEditor() const { return gradient_; }
    THemisphere* LightHemisphere() const { return hemisphere_; }
    QFileDialog* SaveInternalDialog() const { return saveDialog_; }

private:
    QWidget* BuildGradientGroup();
    QWidget* BuildLightGroup();
    QWidget* BuildFractalGroup();
    QWidget* BuildButtons();
    void GetInternalClick();

    TGradientEditor* gradient_;
    THemisphere* hemisphere_;
    QSpinBox* lightAlt_;
    QSpinBox* lightAz_;
    QComboBox* level_;
    QComboBox* density_;
    QLineEdit* internalFile_;
    QFileDialog* saveDialog_;
    THelpHandler showHelp_;
};

}  // namespace tarn
