// Tarn.h: TTarnForm, the editor's main window.
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
class TFractalParametersForm;
class TEnhTrackBar;
class TFloatEdit;
class TInterpolateDlg;
class TPictureOpenDialog;
class TSetHeightDlg;
class THelpWindow;
class TObjectsTool;
class TSectionForm;
class TShape;
class TStatusPanels;

// The map file named on a command line: every word after the program's
// name, joined with single blanks, so a path with blanks works unquoted.
QString MapFileFromArguments(const QStringList& arguments);

// The editor's main window. It owns the one map (the canvas DefineNet),
// the menus, tool buttons, palette tabs and status bar; creates, opens and
// saves maps, and follows the canvas's notifications. Its parts carry the
// object names users and tests find them by.
class TTarnForm : public QMainWindow {
    Q_OBJECT

public:
    // The window makes a Metric 51 x 51 map with spacing 10 at once. A map
    // file given here is opened once the window is on the screen, so that
    // a message about it shows over the window.
    explicit TTarnForm(ISettingsStore& settings, const QString& mapFile = {}, QWidget* parent = nullptr);
    ~TTarnForm() override;

    // Document lifecycle. A new or opened map starts unmodified; a new map
    // has no file name, so Save asks for one.
    bool CreateMap(MapUnits units, int columns, int rows, double spacing);
    bool LoadMap(const QString& fileName);
    void MapChanged();
    bool MapPresent() const { return mapPresent_; }
    const QString& CurrentFileName() const { return currentFileName_; }
    int PreviousZoom() const { return previousZoom_; }
    void ShowHelp(int topic);

    // Palette.
    void ShowHeightBands();
    void ShowTerrainPalette();
    void ShowMapDefinition();
    void SelectTerrain(int terrain);
    void ShowPenSample();
    void SetPenColour(TColorRef colour);
    void SetPenWidth(int width);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Closing the window (Exit, or the title bar) asks about unsaved changes first.
    void closeEvent(QCloseEvent* event) override;

private:
    // Menu and button handlers.
    void NewMapClick();
    void OpenMapClick();
    bool SaveMapClick();
    bool SaveAsMapClick();
    void ExitTarnClick();
    void LoadBMPButtonClick();
    void ZoomInButtonClick();
    void ZoomOutButtonClick();
    void FlipZoomButtonClick();
    void RedrawButtonClick();
    void UndoClick();
    void ColourSettingsClick();
    void GenerateFractalOverlay1Click();
    void Contents1Click();
    void MaxHeightSpinChange();
    void MinHeightSpinChange();

    // The name becomes current, then the map is written there; false (with
    // the message shown) when writing failed.
    bool SaveMapAs(const QString& fileName);
    // Background picture from a file; failure keeps the previous one.
    void LoadBackground(const QString& fileName);

    void BuildMenus();
    void InstallTools();
    QWidget* BuildToolPanel();
    void BuildFileDialogs();
    QWidget* BuildPalette();
    QWidget* BuildHeightsTab();
    QWidget* BuildTerrainsTab();
    QWidget* BuildObjectsTab();
    QWidget* BuildMapTab();
    QToolButton* AddToolButton(QBoxLayout* row, const char* name, const char* hint);
    void AfterZoomChange();
    bool WriteMapFile();
    // True when the command that is about to replace the map may go on:
    // the map is unchanged, or the user saved or discarded the changes.
    bool SaveChangesFirst();
    void ShowCaption();
    void ShowPositionReadout(int height, int column, int row);
    void ShowLayer(bool TDefineNet::*layer, bool shown);

    TDefineNet* DefineNet;
    TColourSettingsDlg* ColourSettingsDlg;
    TFractalParametersForm* FractalParametersForm;
    TInterpolateDlg* InterpolateDlg;
    TSetHeightDlg* SetHeightDlg;
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
    TSectionForm* SectionForm;
    TObjectsTool* ObjectsTool;

    ISettingsStore& settings_;
    QScrollArea* canvasScrollBox_;
    bool mapPresent_ = false;
    QString currentFileName_;
    // The map named on the command line, opened once the window shows.
    QString startMapFile_;
    int previousZoom_ = kStartZoom;
};

}  // namespace tarn
