#pragma once

#include "viewer/ui/ScenePage.h"

class QSpinBox;

namespace tarn {

class TFloatEdit;
class THemisphere;

// "Water" of the Drawing page: wind direction, wave height and length,
// turbulence with its seeds, and the water's edge.
class TWaterPage : public TScenePage {
    Q_OBJECT

public:
    explicit TWaterPage(QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;

private:
    THemisphere* windDirection_;
    QSpinBox* waveHeight_;
    QSpinBox* waveLength_;
    QSpinBox* turbulence_;
    TFloatEdit* planeSeed_;
    TFloatEdit* frequencySeed_;
    QSpinBox* waterEdge_;
};

}  // namespace tarn
