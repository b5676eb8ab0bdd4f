#pragma once

#include "editor/DefNet.h"
#include "model/MapHeader.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QBoxLayout;
class QFileDialog;
class QLabel;
class QMenu;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace tarn {

class ISettingsStore;
class TColourSettingsDlg;
class TEnhTrackBar;
class TFloatEdit;
class TPictureOpenDialog;
class THelpWindow;
class TShape;
class TStatusPanels;

// The map file named on a command line: every word after the program's
// name, joined with single blanks, so a path with blanks works unquoted.
QString MapFileFromArguments(const QStringList& arguments);

// The editor's main window. It owns the one map (the canvas DefineNet),
// the menus, tool buttons, palette tabs and status bar; creates, opens and
// saves maps, and follows the canvas's notifications.
class TTarnForm : public QMainWindow {
    Q_OBJECT

public:
    // The window runs start-up at once: a Metric 51 x 51 map with spacing 10,
    // then the map file given, when one is.
    explicit TTarnForm(ISettingsStore& settings, const QString& mapFile = {}, QWidget* parent = nullptr);
    ~TTarnForm() override;

    // Document lifecycle.
    bool CreateMap(MapUnits units, int columns, int rows, double spacing);
    void LoadMap(const QString& fileName);
    void MapChanged();
    bool MapPresent() const { return mapPresent_; }
    const QString& CurrentFileName() const { return currentFileName_; }
    int PreviousZoom() const { return previousZoom_; }

    // Menu and button handlers.
    void NewMapClick();
    void OpenMapClick();
    void SaveMapClick();
    void SaveAsMapClick();
    // Save As once a name is chosen: the name becomes current, then the map
    // is written there.
    void SaveMapAs(const QString& fileName);
    void ExitTarnClick();
    void LoadBMPButtonClick();
    // Background picture from a file; failure keeps the previous one.
    void LoadBackground(const QString& fileName);
    void ZoomInButtonClick();
    void ZoomOutButtonClick();
    void FlipZoomButtonClick();
    void RedrawButtonClick();
    void UndoClick();
    void ColourSettingsClick();
    void Contents1Click();
    void ShowHelp(int topic);

    // Palette.
    void ShowHeightBands();
    void ShowTerrainPalette();
    void ShowMapDefinition();
    void SelectTerrain(int terrain);
    void ShowPenSample();
    void SetPenColour(TColorRef colour);
    void SetPenWidth(int width);
    void MaxHeightSpinChange();
    void MinHeightSpinChange();

    TDefineNet* DefineNet;
    TColourSettingsDlg* ColourSettingsDlg;
    THelpWindow* HelpWindow;
    TStatusPanels* StatusBar;
    QFileDialog* OpenMapDialog;
    QFileDialog* SaveMapDialog;
    TPictureOpenDialog* OpenBackDialog;
    QMenu* DefNetPopupMenu;
    QAction* Undo;
    QLabel* XPosition;
    QLabel* YPosition;
    QLabel* ZPosition;
    QTabWidget* PageControl1;
    std::array<TShape*, 16> HeightShapes{};
    std::array<QLabel*, 16> HeightLabels{};
    QSpinBox* MaxHeightSpin;
    QSpinBox* MinHeightSpin;
    std::array<TShape*, kTerrainSlots> TerShapes{};
    std::array<QLabel*, kTerrainSlots> TerLabels{};
    QLabel* SelectTerrainLabel;
    TShape* LineSampleShape;
    QLabel* MapSizeLabel;
    QLabel* GridSpacingLabel;
    QLabel* GridSizeLabel;
    TEnhTrackBar* AutoToleranceBar;
    QSpinBox* DensityEdit;
    TFloatEdit* XYRatioFloatEdit;

protected:
    bool event(QEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildToolPanel();
    void BuildFileDialogs();
    QWidget* BuildPalette();
    QWidget* BuildHeightsTab();
    QWidget* BuildTerrainsTab();
    QWidget* BuildObjectsTab();
    QWidget* BuildMapTab();
    QToolButton* AddToolButton(QBoxLayout* row, const char* name, const char* hint);
    void AfterZoomChange();
    void WriteMapFile();
    void ShowPositionReadout(int height, int column, int row);
    void ShowLayer(bool TDefineNet::*layer, bool shown);

    ISettingsStore& settings_;
    QScrollArea* canvasScrollBox_;
    bool mapPresent_ = false;
    QString currentFileName_;
    int previousZoom_ = kStartZoom;
};

}  // namespace tarn
