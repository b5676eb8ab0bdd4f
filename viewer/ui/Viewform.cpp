#include "viewer/ui/Viewform.h"

#include "controls/HelpWindow.h"
#include "controls/MenuItems.h"
#include "controls/Messages.h"
#include "model/SettingsStore.h"
#include "viewer/anim/AnimMessages.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Hints.h"
#include "viewer/ui/Makepath.h"
#include "viewer/ui/PreviewDisplay.h"
#include "viewer/ui/PrintBitmap.h"
#include "viewer/ui/Projparm.h"
#include "viewer/ui/StatusBar.h"
#include "viewer/ui/TerrainDetails.h"
#include "viewer/ui/ViewerMessages.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <new>

namespace tarn {

namespace {
constexpr int kToolBarHeight = 38;
// Wide enough for the status bar's panels and their captions.
constexpr QSize kPanelSize{800, 560};
}  // namespace

QString MapFileFromArguments(const QStringList& arguments)
{
    return arguments.mid(1).join(' ');
}

TViewer::TViewer(ISettingsStore& settings, const QString& mapFile, QWidget* parent)
    : QMainWindow(parent), settings_(settings), hints_(new THintSwitch(this))
{
    setObjectName("Viewer");
    setWindowTitle("Ravelstride 98 Beta 2.3");
    try {
        net_ = std::make_unique<TViewNet>();
    } catch (const std::exception&) {
        ShowMessage(msg::ErrorLoadingBmp);
        throw;
    }
    net_->Settings = &settings_;
    net_->LoadViewSize(settings_);
    hints_->SetEnabled(settings_.ReadInteger(kViewerSettingsKey, "General", "ShowHints").value_or(1) != 0);

    statusBar_ = new TViewerStatusBar(this);
    setStatusBar(statusBar_);
    helpWindow_ = new THelpWindow(THelpWindow::Folder("help/flyview", TARN_VIEWER_HELP_DIR), "Ravelstride Help", this);
    previewForm_ = new TPreviewForm(this);
    terrainDetails_ = new TTerrainColourDetailsDlg(this);
    BuildDialogs();
    BuildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildToolBar());
    BuildPanel();
    column->addWidget(mainPanel_, 1);
    setCentralWidget(central);
    SizePanelTo(kPanelSize);

    try {
        script_.points.reserve(kMaxFrames);
    } catch (const std::bad_alloc&) {
        ShowMessage(msg::NoAnimationMemory);
    }
    UpdateCommands();
    if (!mapFile.isEmpty())
        QTimer::singleShot(0, this, [this, mapFile] { LoadMap(mapFile); });
}

TViewer::~TViewer() = default;

void TViewer::BuildDialogs()
{
    openLem_ = MakeOpenFileDialog(this, "OpenLem", "Load Map", "Landscape Map (*.lem)");
    openLem_->setDefaultSuffix("lem");
    saveFileDialog_ = MakeSaveFileDialog(this, "SaveFileDialog", "Save Picture As", "BMP file (*.bmp)", "bmp");
    openScript_ = MakeOpenFileDialog(this, "OpenScript", "Load Script", "Animation Script (*.srp)");
    printBitmap_ = new TPrintBitmapDlg(helpWindow_, this);
}

void TViewer::SizePanelTo(QSize size)
{
    resize(size.width(), size.height() + kToolBarHeight + menuBar()->sizeHint().height() +
                             statusBar_->sizeHint().height());
}

void TViewer::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption, void (TViewer::*command)()) {
        return AddMenuItem(menu, name, caption, this, [this, command] { WhenIdle(command); });
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("File1");
    addItem(file, "LoadMap", "Load Map", &TViewer::LoadClick);
    QAction* savePicture = addItem(file, "SavePicture", "&Save Picture", &TViewer::SavePictureClick);
    QAction* savePictureAs = addItem(file, "SavePictureAs", "Save Picture &As...", &TViewer::SavePictureAsClick);
    QAction* printBitmap =
        addItem(file, "CreatePrintBitmap", "Create &Print Bitmap...", &TViewer::CreatePrintBitmapClick);
    file->addSeparator();
    QAction* exit = file->addAction("&Exit");
    exit->setObjectName("ExitApp");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("Edit1");
    QAction* copy = addItem(edit, "CopyAsBitmap", "&Copy Picture", &TViewer::CopyAsBitmapClick);
    copy->setShortcut(QKeySequence("Ctrl+C"));
    QMenu* view = bar->addMenu("&View");
    view->setObjectName("View1");
    QAction* parameters = addItem(view, "ViewParameters", "&Parameters...", &TViewer::ViewParametersClick);
    parameters->setShortcut(QKeySequence("Ctrl+F1"));
    QAction* redraw = addItem(view, "Redraw", "&Redraw", &TViewer::RedrawClick);
    QMenu* animation = bar->addMenu("&Animation");
    animation->setObjectName("Animation1");
    QAction* makePath = addItem(animation, "MakePath", "Make Path...", &TViewer::MakePathClick);
    QAction* loadScript = addItem(animation, "LoadScript", "&Load Script", &TViewer::LoadScriptClick);
    runScriptAction_ = addItem(animation, "RunScript", "&Run Script", &TViewer::RunScriptClick);
    QMenu* help = bar->addMenu("Help");
    help->setObjectName("Help1");
    addItem(help, "HelpContents", "Contents", &TViewer::HelpContentsClick);
    mapActions_ = {parameters, makePath, loadScript, copy, savePicture, savePictureAs, printBitmap, redraw};
}

QToolButton* TViewer::AddToolButton(QWidget* bar, const char* name, const char* hint, int glyph)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(glyph)));
    button->setIconSize(QSize(22, 22));
    button->setFixedSize(32, 32);
    button->setAutoRaise(true);
    bar->layout()->addWidget(button);
    return button;
}

QWidget* TViewer::BuildToolBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName("ToolBar");
    bar->setFixedHeight(kToolBarHeight);
    bar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    loadButton_ = AddToolButton(bar, "LoadButton", "Load Map", QStyle::SP_DialogOpenButton);
    saveButton_ = AddToolButton(bar, "SaveButton", "Save Picture", QStyle::SP_DialogSaveButton);
    parametersButton_ = AddToolButton(bar, "ParametersButton", "Parameters", QStyle::SP_FileDialogDetailedView);
    redrawButton_ = AddToolButton(bar, "RedrawButton", "Redraw", QStyle::SP_BrowserReload);
    makePathButton_ = AddToolButton(bar, "MakePathButton", "Make Path", QStyle::SP_FileDialogContentsView);
    loadScriptButton_ = AddToolButton(bar, "LoadScriptButton", "Load Script", QStyle::SP_FileIcon);
    runScriptButton_ = AddToolButton(bar, "RunScriptButton", "Run Script", QStyle::SP_MediaPlay);
    abortButton_ = AddToolButton(bar, "AbortButton", "Abort", QStyle::SP_BrowserStop);
    row->addStretch();
    const std::pair<QToolButton*, void (TViewer::*)()> commands[] = {
        {loadButton_, &TViewer::LoadClick},           {saveButton_, &TViewer::SavePictureClick},
        {parametersButton_, &TViewer::ViewParametersClick}, {redrawButton_, &TViewer::RedrawClick},
        {makePathButton_, &TViewer::MakePathClick},   {loadScriptButton_, &TViewer::LoadScriptClick},
        {runScriptButton_, &TViewer::RunScriptClick}};
    for (const auto& [button, command] : commands)
        connect(button, &QToolButton::clicked, this, [this, command = command] { WhenIdle(command); });
    // Abort is the one command that works while a draw runs.
    connect(abortButton_, &QToolButton::clicked, this, &TViewer::AbortClick);
    return bar;
}

void TViewer::BuildPanel()
{
    mainPanel_ = new TGLPanel(this);
    mainPanel_->setObjectName("MainGLPanel");
    mainPanel_->setAccessibleName("Landscape view");
    mainPanel_->SetGLColorBits(32);
    mainPanel_->SetGLFlags(GLf_DOUBLEBUFFER | GLf_DRAW_TO_WINDOW | GLf_SUPPORT_OPENGL | GLf_SWAP_COPY);
    mainPanel_->OnGLInit = [this](TGLPanel&) { net_->InitContext(); };
    mainPanel_->OnResize = [this](TGLPanel& panel) {
        const QSize size = panel.DrawSize();
        net_->SetViewSize(size.width(), size.height());
        net_->OverlayReload = true;
        panel.update();
    };
    mainPanel_->OnGLDraw = [this](TGLPanel&) { MainGLPanelGLDraw(); };
}

void TViewer::WhenIdle(void (TViewer::*command)())
{
    if (!busy_)
        (this->*command)();
}

void TViewer::UpdateCommands()
{
    loadButton_->setEnabled(!busy_);
    for (QToolButton* button :
         {saveButton_, parametersButton_, redrawButton_, makePathButton_, loadScriptButton_})
        button->setEnabled(!busy_ && commandsEnabled_);
    runScriptButton_->setEnabled(!busy_ && PathPointCount() > 0);
    abortButton_->setEnabled(busy_);
    for (QAction* action : mapActions_)
        action->setEnabled(commandsEnabled_);
    runScriptAction_->setEnabled(PathPointCount() > 0);
}

void TViewer::EnterBusy()
{
    ++busy_;
    UpdateCommands();
}

void TViewer::LeaveBusy()
{
    --busy_;
    UpdateCommands();
    if (!busy_ && closeAfterBusy_)
        QTimer::singleShot(0, this, &QWidget::close);
}

void TViewer::HelpContentsClick()
{
    helpWindow_->ShowTopic(1);
}

void TViewer::AbortClick()
{
    net_->AbortLoad = true;
}

void TViewer::MakePathClick()
{
    if (pathMaker_)
        pathMaker_->exec();
}

}  // namespace tarn
