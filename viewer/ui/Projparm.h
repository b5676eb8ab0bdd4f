#pragma once

#include "model/MapHeader.h"
#include "model/ParameterFile.h"

#include <QDialog>

#include <functional>

class QFileDialog;
class QTabWidget;

namespace tarn {

class ISettingsStore;
class TActorsPage;
class TDrawingPage;
class THintSwitch;
class TNet;
class TPreviewForm;
class TProjectionPage;
class TScenePage;
class TTerrainColourDetailsDlg;
class TTerrainsPage;
class TViewNet;

// "Projection Parameters": the scene parameters of a map on four pages,
// with the preview form beside the dialog following every change. It works
// on a copy of the view parameters; only OK writes them back.
class TProjParms : public QDialog {
    Q_OBJECT

public:
    using THelpHandler = std::function<void(int topic)>;

    TProjParms(ISettingsStore& settings, THintSwitch& hints, TPreviewForm& preview,
               TTerrainColourDetailsDlg& details, THelpHandler showHelp, QWidget* parent = nullptr);
    ~TProjParms() override;

    // Samples the map into the preview and the positioning map (once for
    // each map loaded).
    void BuildPreview(const TNet& map);

    // Fills the dialog from the header and shows it modally. On OK the
    // controls are written into the header, the terrain actors are loaded
    // and the whole header is copied into the view; returns true. Cancel
    // changes nothing and returns false.
    bool EditSceneParameters(TMapHeader& header, TViewNet& view);

    // The parameter file: read into the controls, or written from them.
    // Failures are shown; reading stops at a value out of range, keeping
    // what was read before it.
    void LoadParameterFile(const QString& fileName);
    void SaveParameterFile(const QString& fileName);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RefreshPreview();
    TParameterValues ControlValues() const;
    void TakeValues(const TParameterValues& values);
    TMapHeader HeaderFromControls() const;
    void WarnAboutOverlay(const TMapHeader& header) const;
    void LoadClick();
    void SaveClick();
    void HelpClick();

    ISettingsStore& settings_;
    TPreviewForm& preview_;
    THelpHandler showHelp_;
    QTabWidget* pages_;
    TProjectionPage* projection_;
    TDrawingPage* drawing_;
    TTerrainsPage* terrains_;
    TActorsPage* actors_;
    std::vector<TScenePage*> allPages_;
    QFileDialog* openConfigDialog_;
    QFileDialog* saveConfigDialog_;
    // The header the dialog was opened with.
    TMapHeader original_;
    bool loading_ = false;
};

}  // namespace tarn
