#pragma once

#include "viewer/ui/ScenePage.h"

#include <array>

class QColorDialog;
class QLineEdit;

namespace tarn {

class TColourSwatch;
class TFloatEdit;
class TTerrainColourDetailsDlg;

// "Terrains": the colour, fractalization value and lighting of each of the
// 24 terrain slots, and the names of the user slots 8..23. A swatch is
// selected by clicking it; the Standard terrain (slot 0) keeps its colour.
class TTerrainsPage : public TScenePage {
    Q_OBJECT

public:
    TTerrainsPage(TTerrainColourDetailsDlg& details, QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;

    // The slot of the swatch clicked last, -1 for none.
    int SelectedSlot() const { return selected_; }

private:
    QWidget* BuildStandardGroup();
    QWidget* BuildUserGroup();
    void AddSlot(QWidget* group, int slot, int row, int column);
    void SelectShape(int slot);
    void SetTerrainButClick();
    void DefaultsClick();
    void SetColourDetailsButtonClick();

    TTerrainColourDetailsDlg& details_;
    QColorDialog* colourDialog_;
    std::array<TColourSwatch*, kTerrainSlots> swatches_{};
    std::array<TFloatEdit*, kTerrainSlots> fractValues_{};
    std::array<QLineEdit*, kTerrainSlots> names_{};  // slots 8..23
    std::array<std::int8_t, kTerrainSlots> specularity_{};
    std::array<std::int8_t, kTerrainSlots> shininess_{};
    std::array<std::int8_t, kTerrainSlots> emission_{};
    int selected_ = -1;
};

}  // namespace tarn
