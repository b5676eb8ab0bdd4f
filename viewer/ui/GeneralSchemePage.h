#pragma once

#include "viewer/ui/ScenePage.h"

class QCheckBox;
class QColorDialog;
class QLineEdit;
class QSpinBox;

namespace tarn {

class TColourSwatch;
class TEnhTrackBar;
class TFloatEdit;

// "General" of the Drawing page: grid, fractalization seeds and depth, and
// the shading and mist bars with their read-only texts.
class TGeneralSchemePage : public TScenePage {
    Q_OBJECT

public:
    explicit TGeneralSchemePage(QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;

private:
    QWidget* BuildGridGroup();
    QWidget* BuildFractalGroup();
    QWidget* BuildShadingGroup();
    TEnhTrackBar* AddBar(QWidget* group, int row, const char* name, const char* editName, const QString& caption,
                         int minimum, int maximum);
    void RefreshTexts();
    void SetBars(int density, int contrast, int diffusion, std::int16_t mistLevel);

    QCheckBox* drawGrid_;
    TColourSwatch* gridColour_;
    QColorDialog* colourDialog_;
    QSpinBox* fractalDepth_;
    TFloatEdit* redPlaneSeed_;
    TFloatEdit* redFrequencySeed_;
    TFloatEdit* bluePlaneSeed_;
    TFloatEdit* blueFrequencySeed_;
    TEnhTrackBar* mistLevel_;
    TEnhTrackBar* shadingContrast_;
    TEnhTrackBar* shadingDensity_;
    TEnhTrackBar* lightDiffusion_;
    QLineEdit* mistText_;
    QLineEdit* contrastText_;
    QLineEdit* densityText_;
    QLineEdit* diffusionText_;
};

}  // namespace tarn
