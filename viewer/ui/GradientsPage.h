#pragma once

#include "viewer/ui/ScenePage.h"

class QCheckBox;

namespace tarn {

class TGradientEditor;

// "Gradients Scheme" of the Drawing page: the shared gradient profile
// editor on the dialog's copy of the 20 gradient colours, and whether
// terrain colours are drawn over the gradient.
class TGradientsPage : public TScenePage {
    Q_OBJECT

public:
    explicit TGradientsPage(QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;
    // Samples the profile into the colours again (the page was shown).
    void RebuildGradient();

private:
    TGradientEditor* editor_;
    QCheckBox* drawTerrains_;
};

}  // namespace tarn
