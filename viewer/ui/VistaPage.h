#pragma once

#include "viewer/ui/ScenePage.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QColorDialog;
class QSpinBox;
class QToolButton;

namespace tarn {

// "Vista Scheme" of the Drawing page: the twelve tree, bare and snow colours
// (one selected at a time, with "Spread Colours" filling those between two
// clicks), tree and snow lines that keep their order, damping, and the cliff
// and valley effects.
class TVistaPage : public TScenePage {
    Q_OBJECT

public:
    explicit TVistaPage(QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;

private:
    QWidget* BuildSwatchGroup();
    QWidget* BuildIntelligenceGroup();
    void SwatchClicked(int index);
    void SetVistaColourClick();
    void ShowColours();
    void TreeLineChanged();
    void SnowLineChanged();
    void SetLines(int tree, int snow);

    std::array<TColorRef, kVistaEntries> colours_{};
    std::array<QToolButton*, kVistaEntries> swatches_{};
    QButtonGroup* swatchGroup_;
    QCheckBox* spread_;
    QColorDialog* colourDialog_;
    int lastSwatch_ = 0;
    QSpinBox* cliffAngle_;
    QSpinBox* valleyAngle_;
    QSpinBox* treeLine_;
    QSpinBox* snowLine_;
    QSpinBox* treeDamping_;
    QSpinBox* snowDamping_;
    QCheckBox* cliffEffect_;
    QCheckBox* valleyEffect_;
    QCheckBox* cliffOverride_;
    QCheckBox* valleyOverride_;
};

}  // namespace tarn
