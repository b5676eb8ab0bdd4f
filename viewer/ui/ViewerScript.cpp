// The main window's animation commands: Load Script and Run Script, which
// renders a flight as numbered BMP frames or a panorama as one wide BMP.
#include "viewer/ui/Viewform.h"

#include "controls/Messages.h"
#include "model/Errors.h"
#include "viewer/anim/AnimMessages.h"
#include "viewer/anim/CameraPlan.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/AnimParams.h"
#include "viewer/ui/BusyState.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/PanelFrames.h"
#include "viewer/ui/PanoParms.h"
#include "viewer/ui/ViewerMessages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLayout>

#include <fstream>

namespace tarn {

namespace {

// Restores the map's camera, target and angle of view when a run ends,
// however it ends.
class TSavedView {
public:
    explicit TSavedView(TMapHeader& header)
        : header_(header), camera_(header.CameraPos), target_(header.TargetPos), angle_(header.ViewAngle)
    {
    }
    ~TSavedView()
    {
        header_.CameraPos = camera_;
        header_.TargetPos = target_;
        header_.ViewAngle = angle_;
    }
    TSavedView(const TSavedView&) = delete;
    TSavedView& operator=(const TSavedView&) = delete;

private:
    TMapHeader& header_;
    std::array<double, 3> camera_;
    std::array<double, 3> target_;
    double angle_;
};

// Holds the GL panel at exactly the frame size for a run, whatever the
// window's least width allows, and lets it follow the window again after.
class TPanelSizeLock {
public:
    TPanelSizeLock(QWidget& window, TGLPanel& panel, QSize size) : panel_(panel)
    {
        panel_.setFixedSize(size);
        if (window.layout())
            window.layout()->activate();
        if (auto* central = panel_.parentWidget(); central && central->layout())
            central->layout()->activate();
    }
    ~TPanelSizeLock()
    {
        panel_.setMinimumSize(0, 0);
        panel_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    TPanelSizeLock(const TPanelSizeLock&) = delete;
    TPanelSizeLock& operator=(const TPanelSizeLock&) = delete;

private:
    TGLPanel& panel_;
};

void ProcessEvents()
{
    QCoreApplication::processEvents();
}

}  // namespace

void TViewer::LoadScriptClick()
{
    if (openScript_->exec() != QDialog::Accepted || openScript_->selectedFiles().isEmpty())
        return;
    std::ifstream in(openScript_->selectedFiles().front().toStdString(), std::ios::binary);
    try {
        if (!in)
            throw ETarnError("The script file cannot be opened");
        ReadPlayScript(in, script_);
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromUtf8(error.what()));
    }
    UpdateCommands();
}

void TViewer::RunScriptClick()
{
    if (PathPointCount() == 0) {
        ShowMessage(msg::NoValidScript);
        return;
    }
    if (script_.type == TPathType::Flight)
        RunFlight();
    else
        RunPanorama();
    net_->LoadViewSize(settings_);
}

void TViewer::RunFlight()
{
    TAnimParams params(helpWindow_, this);
    if (params.exec() != QDialog::Accepted)
        return;
    const QSize size = params.FrameSize().value_or(mainPanel_->size());
    SizePanelTo(size);
    const TPanelSizeLock lock(*this, *mainPanel_, size);
    net_->SetViewSize(size.width(), size.height());
    auto& header = net_->MapHeader;
    const TSavedView saved(header);
    const auto cameras = FlightCameras(script_, FlightHeightFactor(header), params.ViewAngle());
    try {
        TBusyState busy(*this);
        TPanelFrames frames(*net_, *mainPanel_, SupersampleFactor(params.AntiAlias()), &ProcessEvents);
        WriteFlightFrames(cameras, {}, params.Prefix().toStdString(), frames);
    } catch (const std::exception& error) {
        ShowMessage(QString::fromUtf8(error.what()));
    }
}

void TViewer::RunPanorama()
{
    {
        TPanoParmsDlg dialog(panoramaFile_, helpWindow_, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        panoramaFile_ = dialog.PanoramaFile();
    }
    if (panoramaFile_.isEmpty()) {
        ShowMessage(msg::NoPanoramaFile);
        return;
    }
    const QSize size(kPanoramaFrameWidth, kPanoramaFrameHeight);
    SizePanelTo(size);
    const TPanelSizeLock lock(*this, *mainPanel_, size);
    net_->SetViewSize(kPanoramaFrameWidth, kPanoramaFrameHeight);
    auto& header = net_->MapHeader;
    const TSavedView saved(header);
    const auto cameras = PanoramaCameras(script_, header.ShortSide);
    header.ViewAngle = PanoramaViewAngle(cameras);
    try {
        TDibPicture panorama;
        {
            TBusyState busy(*this);
            TPanelFrames frames(*net_, *mainPanel_, SupersampleFactor(false), &ProcessEvents);
            panorama = AssemblePanorama(cameras, frames);
        }
        WriteBmpFile(panoramaFile_.toStdString(), panorama);
    } catch (const std::exception&) {
        ShowMessage(msg::OverlayFileNotFound);
    }
}

}  // namespace tarn
