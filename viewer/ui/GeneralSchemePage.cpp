#include "viewer/ui/GeneralSchemePage.h"

#include "controls/EnhTrackBar.h"
#include "controls/FlEdit.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/SceneConversions.h"
#include "viewer/ui/Swatch.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {
constexpr double kLargestPlaneSeed = 32767;
constexpr double kSmallestFrequencySeed = 100;
constexpr double kLargestFrequencySeed = 65536;
constexpr int kNoGrid = 2;

std::int32_t RoundedSeed(const TFloatEdit& edit)
{
    return static_cast<std::int32_t>(std::nearbyint(edit.Value()));
}
}  // namespace

TGeneralSchemePage::TGeneralSchemePage(QWidget* parent) : TScenePage(parent)
{
    setObjectName("GeneralSheet");
    colourDialog_ = MakeColourDialog(this, "SetColorDialog");
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildGridGroup());
    top->addWidget(BuildFractalGroup());
    column->addLayout(top);
    column->addWidget(BuildShadingGroup());
    column->addStretch();
}

QWidget* TGeneralSchemePage::BuildGridGroup()
{
    QGroupBox* group = MakeGroup(this, "Grid");
    auto* grid = new QGridLayout(group);
    drawGrid_ = MakeCheck(group, "DrawGridCheck", "Draw Grid");
    gridColour_ = new TColourSwatch(group, "GridColorShape", "Grid colour");
    QPushButton* button = MakeButton(group, "GridColorButton", "Set grid colour");
    grid->addWidget(drawGrid_, 0, 0, 1, 2);
    grid->addWidget(gridColour_, 1, 0);
    grid->addWidget(button, 1, 1);
    grid->setRowStretch(2, 1);
    connect(drawGrid_, &QCheckBox::toggled, this, &TScenePage::Changed);
    const auto choose = [this] {
        if (const auto colour = ChooseColour(*colourDialog_, gridColour_->Colour())) {
            gridColour_->SetColour(*colour);
            emit Changed();
        }
    };
    connect(button, &QPushButton::clicked, this, choose);
    connect(gridColour_, &TColourSwatch::Clicked, this, choose);
    return group;
}

QWidget* TGeneralSchemePage::BuildFractalGroup()
{
    QGroupBox* group = MakeGroup(this, "Fractalization");
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel("Seed (plane)", group), 0, 1);
    grid->addWidget(new QLabel("(Frequency)", group), 0, 2);
    redPlaneSeed_ = MakeNumberEdit(group, "RPlaneSeed", "Seed (plane) 1", 0, kLargestPlaneSeed);
    redFrequencySeed_ =
        MakeNumberEdit(group, "RFreqSeed", "(Frequency) 1", kSmallestFrequencySeed, kLargestFrequencySeed);
    bluePlaneSeed_ = MakeNumberEdit(group, "BPlaneSeed", "Seed (plane) 2", 0, kLargestPlaneSeed);
    blueFrequencySeed_ =
        MakeNumberEdit(group, "BFreqSeed", "(Frequency) 2", kSmallestFrequencySeed, kLargestFrequencySeed);
    grid->addWidget(redPlaneSeed_, 1, 1);
    grid->addWidget(redFrequencySeed_, 1, 2);
    grid->addWidget(bluePlaneSeed_, 2, 1);
    grid->addWidget(blueFrequencySeed_, 2, 2);
    fractalDepth_ = AddSpinRow(grid, 3, 0, "FractalDepthEdit", "Depth", 0, 9);
    return group;
}

TEnhTrackBar* TGeneralSchemePage::AddBar(QWidget* group, int row, const char* name, const char* editName,
                                         const QString& caption, int minimum, int maximum)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    TEnhTrackBar* bar = MakeTrackBar(group, name, caption, minimum, maximum);
    QLineEdit* text = MakeLineEdit(group, editName, caption + " value", true);
    text->setFixedWidth(56);
    grid->addWidget(MakeCaption(group, caption, bar), row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(text, row, 2);
    // The text follows every move; the preview follows when the bar is let
    // go, or at once for a change made without dragging.
    connect(bar, &QSlider::valueChanged, this, [this, bar] {
        RefreshTexts();
        if (!bar->isSliderDown())
            emit Changed();
    });
    connect(bar, &QSlider::sliderReleased, this, &TScenePage::Changed);
    return bar;
}

QWidget* TGeneralSchemePage::BuildShadingGroup()
{
    QGroupBox* group = MakeGroup(this, "Shading and Mist");
    new QGridLayout(group);
    mistLevel_ = AddBar(group, 0, "MistLevel", "MistEdit", "Mist Density", kMistBarMin, kMistBarMax);
    shadingContrast_ = AddBar(group, 1, "ShadingContrast", "ShadingContrastEdit", "Shading Contrast", 0, 100);
    shadingDensity_ = AddBar(group, 2, "ShadingDensity", "ShadingDensityEdit", "Shading Density", 0, 100);
    lightDiffusion_ = AddBar(group, 3, "LightDiffusion", "LightDiffusionEdit", "Light Diffusion", 0, 100);
    mistText_ = group->findChild<QLineEdit*>("MistEdit");
    contrastText_ = group->findChild<QLineEdit*>("ShadingContrastEdit");
    densityText_ = group->findChild<QLineEdit*>("ShadingDensityEdit");
    diffusionText_ = group->findChild<QLineEdit*>("LightDiffusionEdit");
    return group;
}

void TGeneralSchemePage::RefreshTexts()
{
    mistText_->setText(QString::fromStdString(MistDensityText(mistLevel_->value())));
    contrastText_->setText(QString::fromStdString(ShadingContrastText(shadingContrast_->value())));
    densityText_->setText(QString::fromStdString(PercentText(shadingDensity_->value())));
    diffusionText_->setText(QString::fromStdString(PercentText(lightDiffusion_->value())));
}

void TGeneralSchemePage::SetBars(int density, int contrast, int diffusion, std::int16_t mistLevel)
{
    const QSignalBlocker quietDensity(shadingDensity_);
    const QSignalBlocker quietContrast(shadingContrast_);
    const QSignalBlocker quietDiffusion(lightDiffusion_);
    const QSignalBlocker quietMist(mistLevel_);
    shadingDensity_->setValue(density);
    shadingContrast_->setValue(contrast);
    lightDiffusion_->setValue(diffusion);
    mistLevel_->setValue(MistBarPosition(mistLevel));
    RefreshTexts();
}

void TGeneralSchemePage::Load(const TMapHeader& header)
{
    const QSignalBlocker quietGrid(drawGrid_);
    drawGrid_->setChecked(header.GridMode != kNoGrid);
    gridColour_->SetColour(header.GridColour);
    fractalDepth_->setValue(header.FractalDepth);
    redPlaneSeed_->SetValue(header.PlaneSeeds[0]);
    bluePlaneSeed_->SetValue(header.PlaneSeeds[2]);
    redFrequencySeed_->SetValue(header.PlaneSeeds[3]);
    blueFrequencySeed_->SetValue(header.PlaneSeeds[5]);
    SetBars(header.ShadingDensity, header.ShadingContrast, header.LightDiffusion, header.MistLevel);
}

void TGeneralSchemePage::Store(TMapHeader& header) const
{
    header.GridMode = static_cast<std::int16_t>(drawGrid_->isChecked() ? 0 : kNoGrid);
    header.GridColour = gridColour_->Colour();
    header.FractalDepth = static_cast<std::int16_t>(fractalDepth_->value());
    header.PlaneSeeds[0] = RoundedSeed(*redPlaneSeed_);
    header.PlaneSeeds[2] = RoundedSeed(*bluePlaneSeed_);
    header.PlaneSeeds[3] = RoundedSeed(*redFrequencySeed_);
    header.PlaneSeeds[5] = RoundedSeed(*blueFrequencySeed_);
    header.ShadingDensity = static_cast<std::uint8_t>(shadingDensity_->value());
    header.ShadingContrast = static_cast<std::uint8_t>(shadingContrast_->value());
    header.LightDiffusion = static_cast<std::uint8_t>(lightDiffusion_->value());
    header.MistLevel = static_cast<std::int16_t>(mistLevel_->value());
}

void TGeneralSchemePage::PutValues(TParameterValues& values) const
{
    values.ShadingDensity = shadingDensity_->value();
    values.ShadingContrast = shadingContrast_->value();
    values.LightDiffusion = lightDiffusion_->value();
    values.MistLevel = mistLevel_->value();
}

void TGeneralSchemePage::TakeValues(const TParameterValues& values)
{
    SetBars(values.ShadingDensity, values.ShadingContrast, values.LightDiffusion,
            static_cast<std::int16_t>(std::clamp(values.MistLevel, -32768, 32767)));
}

}  // namespace tarn
