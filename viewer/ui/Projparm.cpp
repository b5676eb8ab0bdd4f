#include "viewer/ui/Projparm.h"

#include "controls/Messages.h"
#include "model/Errors.h"
#include "model/SettingsStore.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/ActorsPage.h"
#include "viewer/ui/DrawingPage.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/OverlayPage.h"
#include "viewer/ui/PreviewDisplay.h"
#include "viewer/ui/ProjectionPage.h"
#include "viewer/ui/TerrainsPage.h"
#include "viewer/ui/ViewerMessages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarn {

namespace {
constexpr std::int16_t kViewerMode = 3;

// Help topics of the pages: Projection, Drawing, Terrains, Actors.
constexpr int kPageTopics[] = {5, 3, 2, 4};
constexpr int kOtherTopic = 19;

QFileDialog* MakeConfigDialog(QWidget* parent, const char* name, bool save)
{
    return save ? MakeSaveFileDialog(parent, name, "Save As", "Config (*.cfg)", "cfg")
                : MakeOpenFileDialog(parent, name, "Open", "Config (*.cfg)");
}
}  // namespace

TProjParms::TProjParms(ISettingsStore& settings, THintSwitch& hints, TPreviewForm& preview,
                       TTerrainColourDetailsDlg& details, THelpHandler showHelp, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      preview_(preview),
      showHelp_(std::move(showHelp)),
      pages_(new QTabWidget(this)),
      projection_(new TProjectionPage(settings, hints, pages_)),
      drawing_(new TDrawingPage(settings, pages_)),
      terrains_(new TTerrainsPage(details, pages_)),
      actors_(new TActorsPage(settings, pages_))
{
    setObjectName("ProjParms");
    setWindowTitle("Projection Parameters");
    openConfigDialog_ = MakeConfigDialog(this, "OpenConfigDialog", false);
    saveConfigDialog_ = MakeConfigDialog(this, "SaveConfigDialog", true);

    pages_->setObjectName("MainPageControl");
    pages_->tabBar()->setAccessibleName("Parameter pages");
    allPages_ = {projection_, drawing_, terrains_, actors_};
    const char* captions[] = {"Projection", "Drawing", "Terrains", "Actors"};
    for (std::size_t i = 0; i < allPages_.size(); ++i) {
        pages_->addTab(allPages_[i], captions[i]);
        connect(allPages_[i], &TScenePage::Changed, this, &TProjParms::RefreshPreview);
    }
    connect(projection_, &TProjectionPage::LoadRequested, this, &TProjParms::LoadClick);
    connect(projection_, &TProjectionPage::SaveRequested, this, &TProjParms::SaveClick);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    cancel->setAutoDefault(false);
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpBtn");
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TProjParms::HelpClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* column = new QVBoxLayout(this);
    column->addWidget(pages_, 1);
    column->addLayout(buttons);
}

TProjParms::~TProjParms() = default;

void TProjParms::BuildPreview(const TNet& map)
{
    preview_.BuildFrom(map);
    projection_->ShowMap(preview_.PreviewNet(), map.MapHeader.MinHeight, map.MapHeader.MaxHeight);
}

bool TProjParms::EditSceneParameters(TMapHeader& header, TViewNet& view)
{
    original_ = header;
    loading_ = true;
    for (TScenePage* page : allPages_)
        page->Load(header);
    loading_ = false;
    if (exec() != QDialog::Accepted)
        return false;

    const TMapHeader result = HeaderFromControls();
    WarnAboutOverlay(result);
    view.OverlayReload = view.OverlayReload || drawing_->Overlay().OverlayChanged();
    view.SkyReload = true;
    drawing_->SaveSettings();
    view.ActorDirectory = settings_.ReadText(kViewerSettingsKey, "General", "ActorDirectory")
                              .value_or(QCoreApplication::applicationDirPath().toStdString());
    view.MapHeader = result;
    for (const std::string& warning : view.LoadActors())
        ShowMessage(QString::fromStdString(warning));
    header = view.MapHeader;
    return true;
}

TMapHeader TProjParms::HeaderFromControls() const
{
    TMapHeader header = original_;
    for (const TScenePage* page : allPages_)
        page->Store(header);
    // Shading counts as changed only when density or contrast moved.
    if (header.ShadingDensity != original_.ShadingDensity || header.ShadingContrast != original_.ShadingContrast)
        header.ShadingChanged = 1;
    header.Smoothing = 0;
    header.ViewerMode = kViewerMode;
    return header;
}

void TProjParms::WarnAboutOverlay(const TMapHeader& header) const
{
    if (header.DrawingScheme != kSchemeOverlay)
        return;
    const QString file = drawing_->Overlay().OverlayFile();
    if (file.isEmpty())
        ShowMessage(msg::NoOverlayFile);
    else if (!QFileInfo(file).isFile())
        ShowMessage(msg::OverlayFileNotFound);
}

void TProjParms::RefreshPreview()
{
    if (!loading_)
        preview_.ShowScene(HeaderFromControls());
}

TParameterValues TProjParms::ControlValues() const
{
    TParameterValues values;
    for (const TScenePage* page : allPages_)
        page->PutValues(values);
    return values;
}

void TProjParms::TakeValues(const TParameterValues& values)
{
    loading_ = true;
    for (TScenePage* page : allPages_)
        page->TakeValues(values);
    loading_ = false;
}

void TProjParms::LoadParameterFile(const QString& fileName)
{
    TParameterValues values = ControlValues();
    const QSize box = projection_->PositioningMapSize();
    try {
        ReadParameterFile(fileName.toStdString(), box.width(), box.height(), values);
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromStdString(error.what()));
    }
    TakeValues(values);
    RefreshPreview();
}

void TProjParms::SaveParameterFile(const QString& fileName)
{
    try {
        WriteParameterFile(fileName.toStdString(), ControlValues());
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromStdString(error.what()));
    }
}

void TProjParms::LoadClick()
{
    if (openConfigDialog_->exec() == QDialog::Accepted && !openConfigDialog_->selectedFiles().isEmpty())
        LoadParameterFile(openConfigDialog_->selectedFiles().first());
}

void TProjParms::SaveClick()
{
    if (saveConfigDialog_->exec() == QDialog::Accepted && !saveConfigDialog_->selectedFiles().isEmpty())
        SaveParameterFile(saveConfigDialog_->selectedFiles().first());
}

void TProjParms::HelpClick()
{
    const int page = pages_->currentIndex();
    if (showHelp_)
        showHelp_(page >= 0 && page < static_cast<int>(std::size(kPageTopics)) ? kPageTopics[page] : kOtherTopic);
}

void TProjParms::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    preview_.ShowBeside(*this);
    RefreshPreview();
}

void TProjParms::hideEvent(QHideEvent* event)
{
    preview_.hide();
    QDialog::hideEvent(event);
}

}  // namespace tarn
