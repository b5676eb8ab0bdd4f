#pragma once

#include "viewer/ui/ScenePage.h"

#include <vector>

class QComboBox;
class QTabWidget;

namespace tarn {

class ISettingsStore;
class TBackgroundPage;
class TGradientsPage;
class TOverlayPage;

// "Drawing": the drawing scheme above the scheme pages General, Background,
// Water, Overlay Scheme, Gradients Scheme and Vista Scheme.
class TDrawingPage : public TScenePage {
    Q_OBJECT

public:
    explicit TDrawingPage(ISettingsStore& settings, QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;

    const TOverlayPage& Overlay() const { return *overlay_; }
    // The texture files of the Background page go to the settings.
    void SaveSettings() const;

private:
    QComboBox* schemes_;
    QTabWidget* schemePages_;
    TBackgroundPage* background_;
    TOverlayPage* overlay_;
    TGradientsPage* gradients_;
    std::vector<TScenePage*> pages_;
};

}  // namespace tarn
