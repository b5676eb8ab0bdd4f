// The main window's work on maps and pictures: loading, the Parameters
// command, writing the view parameters back, drawing and saving.
#include "viewer/ui/Viewform.h"

#include "controls/HelpWindow.h"
#include "controls/Messages.h"
#include "model/Errors.h"
#include "model/LemFileIO.h"
#include "model/MapView.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/BusyState.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/HeaderWriteBack.h"
#include "viewer/ui/Hints.h"
#include "viewer/ui/Makepath.h"
#include "viewer/ui/PrintBitmap.h"
#include "viewer/ui/Projparm.h"
#include "viewer/ui/StatusBar.h"

#include <QCloseEvent>
#include <QFileDialog>

namespace tarn {

// Holds the busy state for the length of a draw or a load.

namespace {

std::filesystem::path ToPath(const QString& fileName)
{
    return std::filesystem::path(fileName.toStdString());
}

void ShowError(const std::exception& error)
{
    const auto* coded = dynamic_cast<const ETarnError*>(&error);
    ShowMessage(QString::fromStdString(error.what()), coded ? QString::fromStdString(coded->caption()) : QString());
}

// Draws the map at another view size for its lifetime and gives it its
// own size back afterwards, however the draw ends.
class TViewSizeChange {
public:
    TViewSizeChange(TViewNet& net, QSize size) : net_(net), width_(net.ViewWidth()), height_(net.ViewHeight())
    {
        net_.SetViewSize(size.width(), size.height());
    }
    ~TViewSizeChange() { net_.SetViewSize(width_, height_); }
    TViewSizeChange(const TViewSizeChange&) = delete;
    TViewSizeChange& operator=(const TViewSizeChange&) = delete;

private:
    TViewNet& net_;
    int width_;
    int height_;
};

}  // namespace

void TViewer::LoadClick()
{
    if (openLem_->exec() == QDialog::Accepted && !openLem_->selectedFiles().isEmpty())
        LoadMap(openLem_->selectedFiles().first());
}

void TViewer::LoadMap(const QString& fileName)
{
    projParms_.reset();
    pathMaker_.reset();
    if (mapLoaded_) {
        WriteBackViewParameters();
        net_->Clear();
    }
    bool loaded = false;
    {
        TBusyState busy(*this);
        TDrawProgress progress(*statusBar_, *mainPanel_, net_->AbortLoad);
        net_->AbortLoad = false;
        try {
            loaded = LoadLemFile(ToPath(fileName), *net_, progress);
        } catch (const ETarnError& error) {
            ShowError(error);
        }
        progress.setCaptions({}, {});
        progress.hideProgress();
    }
    mapLoaded_ = loaded;
    if (!loaded) {
        // The previous map is gone: nothing may be drawn, saved or written
        // back in its name any more.
        mapFileName_.clear();
        commandsEnabled_ = false;
        UpdateCommands();
        return;
    }
    mapFileName_ = fileName;
    ViewWholeMapIfNewView(*net_);
    viewParameters_ = net_->MapHeader;
    net_->OverlayReload = true;
    if (!RunParameters(true))
        return;
    mainPanel_->GLObjectLoaded = true;
    RedrawPanel();
    pathMaker_ = std::make_unique<TCreatePath>(*net_, helpWindow_, this);
    commandsEnabled_ = true;
    UpdateCommands();
}

bool TViewer::RunParameters(bool insideLoad)
{
    if (!projParms_) {
        projParms_ = std::make_unique<TProjParms>(
            settings_, *hints_, *previewForm_, *terrainDetails_, [this](int topic) { helpWindow_->ShowTopic(topic); },
            this);
        projParms_->BuildPreview(*net_);
    }
    if (!projParms_->EditSceneParameters(viewParameters_, *net_))
        return false;
    WriteBackViewParameters();
    if (!insideLoad) {
        net_->SetViewSize(mainPanel_->width(), mainPanel_->height());
        net_->SetFrameInfo(0, 0);
        RedrawPanel();
    }
    return true;
}

void TViewer::ViewParametersClick()
{
    if (mapLoaded_)
        RunParameters(false);
}

void TViewer::WriteBackViewParameters()
{
    try {
        tarn::WriteBackViewParameters(ToPath(mapFileName_), net_->MapHeader);
    } catch (const ETarnError& error) {
        ShowError(error);
    }
}

void TViewer::RedrawPanel()
{
    try {
        mainPanel_->Redraw();
    } catch (const ETarnError& error) {
        ShowError(error);
    }
}

void TViewer::RedrawClick()
{
    RedrawPanel();
}

void TViewer::MainGLPanelGLDraw()
{
    if (!mapLoaded_)
        return;
    mainPanel_->ReGetContext = true;
    raise();
    {
        TBusyState busy(*this);
        TDrawProgress progress(*statusBar_, *mainPanel_, net_->AbortLoad);
        net_->DrawScene(0, viewParameters_.FractalDepth, &progress);
    }
    viewParameters_.ShadingChanged = net_->MapHeader.ShadingChanged;
}

void TViewer::SavePicture(const QString& fileName)
{
    try {
        mainPanel_->SaveToFile(ToPath(fileName));
    } catch (const ETarnError& error) {
        ShowError(error);
    }
}

void TViewer::SavePictureClick()
{
    if (pictureFileName_.isEmpty())
        SavePictureAsClick();
    else
        SavePicture(pictureFileName_);
}

void TViewer::SavePictureAsClick()
{
    if (saveFileDialog_->exec() != QDialog::Accepted || saveFileDialog_->selectedFiles().isEmpty())
        return;
    pictureFileName_ = saveFileDialog_->selectedFiles().first();
    SavePicture(pictureFileName_);
}

void TViewer::CreatePrintBitmapClick()
{
    if (printBitmap_->exec() != QDialog::Accepted)
        return;
    try {
        if (const auto picture = DrawPrintBitmap(printBitmap_->BitmapSize()))
            WriteBmpFile(ToPath(printBitmap_->FileName()), *picture);
    } catch (const ETarnError& error) {
        ShowError(error);
    }
}

std::optional<TDibPicture> TViewer::DrawPrintBitmap(QSize size)
{
    TBusyState busy(*this);
    const TViewSizeChange viewSize(*net_, size);
    TDibPicture picture = mainPanel_->DrawBitmap(size);
    if (net_->AbortLoad)
        return std::nullopt;
    return picture;
}

void TViewer::CopyAsBitmapClick()
{
    mainPanel_->CopyToClipboard();
}

void TViewer::closeEvent(QCloseEvent* event)
{
    // A draw or load under way stops first; the window closes after it.
    if (busy_) {
        net_->AbortLoad = true;
        closeAfterBusy_ = true;
        event->ignore();
        return;
    }
    WriteBackViewParameters();
    projParms_.reset();
    QMainWindow::closeEvent(event);
}

}  // namespace tarn
