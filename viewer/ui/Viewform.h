#pragma once

#include "exchange/BmpCodec.h"
#include "model/MapHeader.h"
#include "viewer/anim/ScriptFile.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QFileDialog;
class QToolButton;

namespace tarn {

class ISettingsStore;
class TCreatePath;
class TGLPanel;
class THelpWindow;
class THintSwitch;
class TPreviewForm;
class TPrintBitmapDlg;
class TProjParms;
class TTerrainColourDetailsDlg;
class TViewNet;
class TViewerStatusBar;

// The map file named on a command line: every word after the program's
// name, joined with single blanks, so a path with blanks works unquoted.
QString MapFileFromArguments(const QStringList& arguments);

// The viewer's main window. It owns the map object for the whole run, loads
// maps into it, keeps the working copy of their view parameters, runs the
// Parameters dialog, draws the scene in its OpenGL panel and saves or
// copies the picture. View parameters are written back into the map file
// (its header only) after the dialog's OK, before another map is loaded and
// when the window closes, unless the file is read-only.
class TViewer : public QMainWindow {
    Q_OBJECT

public:
    // The map file given, if any, is loaded once the event loop runs.
    explicit TViewer(ISettingsStore& settings, const QString& mapFile = {}, QWidget* parent = nullptr);
    ~TViewer() override;

    // Load Map once a file name is known: the old map's view parameters go
    // back into its file, the new map is loaded, the Parameters dialog opens
    // and on OK the scene is drawn.
    void LoadMap(const QString& fileName);

    bool MapLoaded() const { return mapLoaded_; }
    const QString& MapFileName() const { return mapFileName_; }
    // The working copy of the view parameters.
    const TMapHeader& ViewParameters() const { return viewParameters_; }
    const TViewNet& Map() const { return *net_; }
    int PathPointCount() const { return script_.PointCount(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TBusyState;

    void BuildMenus();
    QWidget* BuildToolBar();
    void BuildDialogs();
    void BuildPanel();
    QToolButton* AddToolButton(QWidget* bar, const char* name, const char* hint, int glyph);

    // Commands.
    void LoadClick();
    void SavePictureClick();
    void SavePictureAsClick();
    void CopyAsBitmapClick();
    void CreatePrintBitmapClick();
    void ViewParametersClick();
    void RedrawClick();
    void MakePathClick();
    void LoadScriptClick();
    void RunScriptClick();
    void RunFlight();
    void RunPanorama();
    // Sizes the window so that the GL panel is exactly `size`.
    void SizePanelTo(QSize size);
    void HelpContentsClick();
    void AbortClick();
    // Runs a command unless a draw or load is under way.
    void WhenIdle(void (TViewer::*command)());

    bool RunParameters(bool insideLoad);
    void WriteBackViewParameters();
    void RedrawPanel();
    void SavePicture(const QString& fileName);
    // The scene as the window shows it, drawn off screen at `size`; none
    // when the user aborted the draw.
    std::optional<TDibPicture> DrawPrintBitmap(QSize size);
    void MainGLPanelGLDraw();
    void EnterBusy();
    void LeaveBusy();
    void UpdateCommands();

    ISettingsStore& settings_;
    std::unique_ptr<TViewNet> net_;
    TMapHeader viewParameters_;
    bool mapLoaded_ = false;
    // Commands that need a map shown (enabled once a load is confirmed).
    bool commandsEnabled_ = false;
    QString mapFileName_;
    QString pictureFileName_;
    // The loaded animation script and the last panorama file confirmed.
    TPlayScript script_;
    QString panoramaFile_;
    // Nesting depth of the busy state: a frame's draw runs inside a run's.
    int busy_ = 0;
    bool closeAfterBusy_ = false;

    THintSwitch* hints_;
    TGLPanel* mainPanel_;
    TViewerStatusBar* statusBar_;
    THelpWindow* helpWindow_;
    TPreviewForm* previewForm_;
    TTerrainColourDetailsDlg* terrainDetails_;
    TPrintBitmapDlg* printBitmap_;
    std::unique_ptr<TProjParms> projParms_;
    // The path maker of the map shown, made again for every map confirmed.
    std::unique_ptr<TCreatePath> pathMaker_;
    QFileDialog* openLem_;
    QFileDialog* saveFileDialog_;
    QFileDialog* openScript_;
    QToolButton* loadButton_;
    QToolButton* saveButton_;
    QToolButton* parametersButton_;
    QToolButton* redrawButton_;
    QToolButton* makePathButton_;
    QToolButton* loadScriptButton_;
    QToolButton* runScriptButton_;
    QToolButton* abortButton_;
    std::vector<QAction*> mapActions_;
    QAction* runScriptAction_;
};

}  // namespace tarn
