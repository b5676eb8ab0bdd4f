// ColourSet.h: TColourSettingsDlg, the "Colour Settings" dialog for the terrain slots.
#pragma once

#include "model/TerrainSlots.h"

#include <QDialog>

#include <array>
#include <functional>

class QColorDialog;
class QFileDialog;
class QLabel;
class QLineEdit;

namespace tarn {

class ISettingsStore;
class TShape;

// The "Colour Settings" dialog: the colours of the 24 terrain slots and the
// names of the user slots 8..23. It works on its own copy of a palette, so
// Cancel leaves the map's palette alone whatever was loaded meanwhile.
class TColourSettingsDlg : public QDialog {
    Q_OBJECT

public:
    using THelpHandler = std::function<void(int topic)>;

    TColourSettingsDlg(ISettingsStore& settings, QWidget* parent = nullptr, THelpHandler showHelp = {});

    // Fills the swatches, labels and edits.
    void SetPalette(const TTerrainPalette& palette);
    // The palette as the dialog shows it now.
    TTerrainPalette Palette() const;

    void SelectShape(int slot);
    int SelectedShape() const { return selected_; }
    void SetColourButtonClick();
    void LoadDefaultsClick();
    void SaveDefaultsClick();
    void LoadClick();
    void SaveClick();
    // The work of Load and Save once a file is chosen; failures are shown.
    void LoadFromFile(const QString& path);
    void SaveToFile(const QString& path);

    std::array<TShape*, kTerrainSlots> Shapes{};
    std::array<QLabel*, kFirstUserTerrain> Labels{};
    std::array<QLineEdit*, kTerrainSlots> Edits{};  // slots 8..23 only
    QFileDialog* OpenConfigDialog;
    QFileDialog* WriteConfigDialog;
    QColorDialog* TerrainColorDialog;

private:
    QWidget* BuildStandardGroup();
    QWidget* BuildUserGroup();
    QWidget* BuildButtons();
    TShape* MakeShape(QWidget* parent, int slot);

    ISettingsStore& settings_;
    THelpHandler showHelp_;
    // Names of the standard slots travel through the dialog unchanged.
    TTerrainPalette palette_;
    int selected_ = -1;
};

}  // namespace tarn
