#include "viewer/ui/WaterPage.h"

#include "controls/FlEdit.h"
#include "controls/Hemisphere.h"
#include "viewer/ui/FormKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace tarn {

namespace {
constexpr int kDefaultWaterEdge = 50;
}  // namespace

TWaterPage::TWaterPage(QWidget* parent) : TScenePage(parent)
{
    setObjectName("WaterSheet");
    auto* column = new QVBoxLayout(this);

    QGroupBox* waves = MakeGroup(this, "Waves");
    auto* wavesGrid = new QGridLayout(waves);
    windDirection_ = new THemisphere(waves);
    windDirection_->setObjectName("WaveDirectionHemisphere");
    windDirection_->setAccessibleName("Wind Direction");
    windDirection_->SetAzimuthOnly(true);
    windDirection_->setFixedSize(70, 70);
    wavesGrid->addWidget(new QLabel("Wind Direction", waves), 0, 0);
    wavesGrid->addWidget(windDirection_, 1, 0, 2, 1);
    waveHeight_ = AddSpinRow(wavesGrid, 1, 1, "WaveHeightSpinEdit", "Height", 0, 1000);
    waveLength_ = AddSpinRow(wavesGrid, 2, 1, "WaterWavelengthSpinEdit", "Wavelength", 0, 1000);
    wavesGrid->setColumnStretch(3, 1);
    column->addWidget(waves);

    QGroupBox* turbulenceGroup = MakeGroup(this, "Turbulence");
    auto* turbulenceGrid = new QGridLayout(turbulenceGroup);
    turbulence_ = AddSpinRow(turbulenceGrid, 0, 0, "WaterTurbulanceSpinEdit", "Water Turbulence", 0, 100);
    planeSeed_ = MakeNumberEdit(turbulenceGroup, "GPlaneSeed", "Seed (plane)", 0, 32767);
    frequencySeed_ = MakeNumberEdit(turbulenceGroup, "GFreqSeed", "(Frequency)", 100, 65536);
    turbulenceGrid->addWidget(MakeCaption(turbulenceGroup, "Seed (plane)", planeSeed_), 1, 0);
    turbulenceGrid->addWidget(planeSeed_, 1, 1);
    turbulenceGrid->addWidget(MakeCaption(turbulenceGroup, "(Frequency)", frequencySeed_), 2, 0);
    turbulenceGrid->addWidget(frequencySeed_, 2, 1);
    turbulenceGrid->setColumnStretch(2, 1);
    column->addWidget(turbulenceGroup);

    QGroupBox* edge = MakeGroup(this, "Water's Edge");
    auto* edgeGrid = new QGridLayout(edge);
    waterEdge_ = AddSpinRow(edgeGrid, 0, 0, "WaterEdgeSpinEdit", "Edge Criticality", 0, 100);
    edgeGrid->setColumnStretch(2, 1);
    waterEdge_->setValue(kDefaultWaterEdge);
    column->addWidget(edge);
    column->addStretch();
}

void TWaterPage::Load(const TMapHeader& header)
{
    // Only the direction counts; the line is shown at full length.
    windDirection_->SetAltitude(90);
    windDirection_->SetAzimuth(header.WaveDirection);
    waveHeight_->setValue(header.WaveHeight);
    waveLength_->setValue(header.WaveLength);
    turbulence_->setValue(header.WaterTurbulance);
    planeSeed_->SetValue(header.PlaneSeeds[1]);
    frequencySeed_->SetValue(header.PlaneSeeds[4]);
    waterEdge_->setValue(header.WaterEdge);
}

void TWaterPage::Store(TMapHeader& header) const
{
    header.WaveDirection = static_cast<std::int16_t>(windDirection_->Azimuth());
    header.WaveHeight = static_cast<std::int16_t>(waveHeight_->value());
    header.WaveLength = static_cast<std::int16_t>(waveLength_->value());
    header.WaterTurbulance = static_cast<std::int16_t>(turbulence_->value());
    header.PlaneSeeds[1] = static_cast<std::int32_t>(std::nearbyint(planeSeed_->Value()));
    header.PlaneSeeds[4] = static_cast<std::int32_t>(std::nearbyint(frequencySeed_->Value()));
    header.WaterEdge = static_cast<std::uint8_t>(waterEdge_->value());
}

void TWaterPage::PutValues(TParameterValues& values) const
{
    values.WaterTurbulance = turbulence_->value();
}

void TWaterPage::TakeValues(const TParameterValues& values)
{
    turbulence_->setValue(values.WaterTurbulance);
}

}  // namespace tarn
