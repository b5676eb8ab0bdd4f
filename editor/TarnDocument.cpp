#include "editor/Tarn.h"

#include "controls/Messages.h"
#include "editor/BandRange.h"
#include "editor/BusyCursor.h"
#include "editor/ColourSet.h"
#include "editor/CommandSupport.h"
#include "editor/EditorMessages.h"
#include "editor/NewMap.h"
#include "editor/PictureDialog.h"
#include "editor/QtPicture.h"
#include "editor/StatusPanels.h"
#include "model/Errors.h"
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/SettingsStore.h"
#include "model/TerrainSlots.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

namespace tarn {

bool TTarnForm::CreateMap(MapUnits units, int columns, int rows, double spacing)
{
    BusyCursor busy;
    bool created = false;
    try {
        tarn::CreateMap(*DefineNet, {units, columns, rows, spacing}, ReadTerrainDefaults(settings_));
        created = true;
    } catch (const ETarnError&) {
        // The refused size is the caller's to report; the map stays as it was.
    }
    if (created) {
        // A new map has not been saved anywhere yet: Save must ask for a
        // name rather than overwrite the file of the map it replaced.
        currentFileName_.clear();
        DefineNet->ClearModified();
        ShowCaption();
    }
    MapChanged();
    return created;
}

bool TTarnForm::LoadMap(const QString& fileName)
{
    TStatusProgress progress(*StatusBar);
    bool loaded = false;
    try {
        loaded = LoadLemFile(ToPath(fileName), *DefineNet, progress);
    } catch (const ETarnError& error) {
        ShowError(error);
    }
    progress.hideProgress();
    progress.setCaptions({}, {});
    DefineNet->ClearModified();
    if (loaded) {
        currentFileName_ = fileName;
        ShowCaption();
        MapChanged();
        return true;
    }
    // The map is left empty: show no picture rather than a stale one.
    DefineNet->Clear();
    mapPresent_ = false;
    DefineNet->SizePicture();
    DefineNet->ComputeScale();
    DefineNet->RedrawMap(true);
    ShowMapDefinition();
    findChild<QAction*>("SaveMap")->setEnabled(false);
    findChild<QAction*>("SaveAsMap")->setEnabled(false);
    findChild<QAction*>("GenerateFractalOverlay1")->setEnabled(false);
    return false;
}

void TTarnForm::MapChanged()
{
    mapPresent_ = DefineNet->HasGrid();
    findChild<QAction*>("SaveMap")->setEnabled(mapPresent_);
    findChild<QAction*>("SaveAsMap")->setEnabled(mapPresent_);
    findChild<QAction*>("GenerateFractalOverlay1")->setEnabled(mapPresent_);
    const TBandRange bands = BandRangeAround(DefineNet->MapHeader.MinHeight, DefineNet->MapHeader.MaxHeight);
    DefineNet->BandMax = bands.max;
    DefineNet->BandMin = bands.min;
    // The spins show the range the legend uses.
    {
        const QSignalBlocker blockMin(MinHeightSpin);
        const QSignalBlocker blockMax(MaxHeightSpin);
        MinHeightSpin->setValue(DefineNet->BandMin);
        MaxHeightSpin->setValue(DefineNet->BandMax);
    }
    DefineNet->SetTool(kNoTool, nullptr);
    previousZoom_ = DefineNet->Zoom;
    Undo->setEnabled(false);
    ShowHeightBands();
    ShowTerrainPalette();
    ShowMapDefinition();
    DefineNet->SizePicture();
    DefineNet->ComputeScale();
    DefineNet->RedrawMap(true);
    canvasScrollBox_->horizontalScrollBar()->setValue(0);
    canvasScrollBox_->verticalScrollBar()->setValue(0);
}

void TTarnForm::NewMapClick()
{
    if (!SaveChangesFirst())
        return;
    TNewMapParameters parameters;
    try {
        TCreateMapDialog dialog(this, [this](int topic) { ShowHelp(topic); });
        if (dialog.exec() != QDialog::Accepted || !dialog.Parameters())
            return;
        parameters = *dialog.Parameters();
    } catch (const std::exception&) {
        ShowMessage(msg::ErrorCreatingNewMapDialog);
        return;
    }
    CreateMap(parameters.units, parameters.columns, parameters.rows, parameters.spacing);
}

void TTarnForm::OpenMapClick()
{
    if (!SaveChangesFirst())
        return;
    if (const auto fileName = ChosenFile(OpenMapDialog))
        LoadMap(*fileName);
}

bool TTarnForm::SaveMapClick()
{
    if (currentFileName_.isEmpty())
        return SaveAsMapClick();
    return WriteMapFile();
}

bool TTarnForm::SaveAsMapClick()
{
    if (!mapPresent_)
        return false;
    const auto fileName = ChosenFile(SaveMapDialog);
    return fileName && SaveMapAs(*fileName);
}

bool TTarnForm::SaveMapAs(const QString& fileName)
{
    currentFileName_ = fileName;
    ShowCaption();
    return WriteMapFile();
}

bool TTarnForm::WriteMapFile()
{
    // With no map loaded there is nothing to write; writing the empty lists
    // would replace a good file with a broken one.
    if (!mapPresent_)
        return false;
    try {
        BusyCursor busy;
        SaveLemFile(ToPath(currentFileName_), *DefineNet);
    } catch (const std::exception&) {
        ShowMessage(msg::ErrorSavingLem);
        return false;
    }
    DefineNet->ClearModified();
    return true;
}

bool TTarnForm::SaveChangesFirst()
{
    if (!DefineNet->Modified())
        return true;
    const QString name =
        currentFileName_.isEmpty() ? QString(msg::UntitledMap) : QFileInfo(currentFileName_).fileName();
    QMessageBox question(QMessageBox::Warning, QApplication::applicationName(),
                         QString(msg::SaveChangesQuestion).arg(name),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName("SaveChangesQuestion");
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    switch (question.exec()) {
    case QMessageBox::Save:
        return SaveMapClick();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TTarnForm::closeEvent(QCloseEvent* event)
{
    if (SaveChangesFirst())
        event->accept();
    else
        event->ignore();
}

void TTarnForm::ExitTarnClick()
{
    close();
}

void TTarnForm::LoadBMPButtonClick()
{
    if (const auto fileName = ChosenFile(OpenBackDialog))
        LoadBackground(*fileName);
}

void TTarnForm::LoadBackground(const QString& fileName)
{
    TDibPicture picture;
    try {
        picture = ReadBmpFile(ToPath(fileName));
    } catch (const ETarnError&) {
        ShowMessage(msg::ErrorLoadingBmp);
        return;
    }
    DefineNet->BackgroundPicture = ToQImage(picture);
    DefineNet->RedrawMap(true);
}

void TTarnForm::ZoomInButtonClick()
{
    if (DefineNet->Zoom >= kZoomTable.back())
        return;
    DefineNet->ZoomStep(true);
    AfterZoomChange();
}

void TTarnForm::ZoomOutButtonClick()
{
    if (DefineNet->Zoom < 2)
        return;
    DefineNet->ZoomStep(false);
    AfterZoomChange();
}

void TTarnForm::FlipZoomButtonClick()
{
    if (DefineNet->Zoom == previousZoom_)
        return;
    std::swap(DefineNet->Zoom, previousZoom_);
    AfterZoomChange();
}

void TTarnForm::AfterZoomChange()
{
    // Keep the map point in the middle of the view where it was.
    QScrollBar* horizontal = canvasScrollBox_->horizontalScrollBar();
    QScrollBar* vertical = canvasScrollBox_->verticalScrollBar();
    const QSize oldSize = DefineNet->MapPicture.Size();
    const QSize view = canvasScrollBox_->viewport()->size();
    const double centreX = oldSize.width() > 0 ? (horizontal->value() + view.width() / 2.0) / oldSize.width() : 0.5;
    const double centreY = oldSize.height() > 0 ? (vertical->value() + view.height() / 2.0) / oldSize.height() : 0.5;

    DefineNet->SizePicture();
    DefineNet->EraseSectionLine();
    DefineNet->ComputeScale();
    DefineNet->RedrawMap(true);

    const QSize newSize = DefineNet->MapPicture.Size();
    horizontal->setValue(static_cast<int>(centreX * newSize.width() - view.width() / 2.0));
    vertical->setValue(static_cast<int>(centreY * newSize.height() - view.height() / 2.0));
}

void TTarnForm::RedrawButtonClick()
{
    DefineNet->RedrawMap(true);
    DefineNet->EraseSectionLine();
}

void TTarnForm::UndoClick()
{
    DefineNet->UndoLast();
}

void TTarnForm::ColourSettingsClick()
{
    const TTerrainPalette before = TerrainPaletteOf(DefineNet->MapHeader);
    ColourSettingsDlg->SetPalette(before);
    if (ColourSettingsDlg->exec() != QDialog::Accepted || ColourSettingsDlg->Palette() == before)
        return;
    ApplyTerrainPalette(DefineNet->MapHeader, ColourSettingsDlg->Palette());
    DefineNet->MarkModified();
    ShowTerrainPalette();
    // Outlines are drawn in the terrain colours.
    DefineNet->RedrawMap(true);
}

}  // namespace tarn
