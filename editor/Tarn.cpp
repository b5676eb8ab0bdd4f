#include "editor/Tarn.h"

#include "controls/EnhTrackBar.h"
#include "controls/FlEdit.h"
#include "controls/HelpWindow.h"
#include "controls/MenuItems.h"
#include "editor/ColourSet.h"
#include "editor/EditorMessages.h"
#include "editor/FractalParameters.h"
#include "editor/HeightDlg.h"
#include "editor/ExchangeCommands.h"
#include "editor/MapSizeText.h"
#include "editor/interpolate.h"
#include "editor/Notifications.h"
#include "editor/PictureDialog.h"
#include "editor/StatusPanels.h"
#include "editor/ToolGlyphs.h"
#include "editor/tools/EditingTools.h"
#include "editor/section.h"
#include "editor/tools/ObjectsTool.h"
#include "editor/tools/SectionTool.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

struct TToolButtonInfo {
    const char* name;
    const char* hint;
    int tool;  // 0 for the buttons that are not editing tools
};

constexpr TToolButtonInfo kViewButtons[] = {
    {"ZoomInButton", "Zoom in", 0},       {"ZoomOutButton", "Zoom out", 0}, {"FlipZoomButton", "Toggle magnification", 0},
    {"RedrawButton", "Redraw", 0},        {"LoadBMPButton", "Load background BMP", 0},
};

constexpr TToolButtonInfo kToolButtons[] = {
    {"SpotButton", "Spot height", kSpotHeightTool},
    {"DefaultSpotButton", "Default height", kDefaultHeightTool},
    {"ManContourButton", "Manual contour trace", kManualTraceTool},
    {"AutoContourButton", "Auto contour trace", kAutoTraceTool},
    {"LevelButton", "Area heights level", kLevelAreaTool},
    {"InterpolateButton", "Interpolate heights", kInterpolateTool},
    {"TerrainButton", "Spot terrain", kSpotTerrainTool},
    {"AreaTerrainButton", "Area terrain", kAreaTerrainTool},
    {"LochButton", "Flood", kFloodTool},
    {"ObjectButton", "Edit objects", kObjectsTool},
    {"SectionButton", "Cross Section", kSectionTool},
};

QLabel* ReadoutLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel("000", parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: green");
    label->setMinimumWidth(42);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

QString MapFileFromArguments(const QStringList& arguments)
{
    return arguments.mid(1).join(' ');
}

TTarnForm::TTarnForm(ISettingsStore& settings, const QString& mapFile, QWidget* parent)
    : QMainWindow(parent), settings_(settings), startMapFile_(mapFile)
{
    setObjectName("TarnForm");
    resize(785, 651);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    DefineNet = new TDefineNet;
    DefineNet->setAccessibleName("Map");
    connect(DefineNet, &TDefineNet::ModifiedChanged, this, [this] { ShowCaption(); });
    HelpWindow = new THelpWindow(THelpWindow::Folder("help", TARN_EDITOR_HELP_DIR), "Tarnhollow Help", this);
    ColourSettingsDlg = new TColourSettingsDlg(settings_, this, [this](int topic) { ShowHelp(topic); });
    FractalParametersForm = new TFractalParametersForm(this, [this](int topic) { ShowHelp(topic); });
    SetHeightDlg = new TSetHeightDlg(this);
    InterpolateDlg = new TInterpolateDlg(this, [this](int topic) { ShowHelp(topic); });
    InstallEditingTools(*DefineNet, {*SetHeightDlg, *InterpolateDlg});
    SectionForm = new TSectionForm(this);
    StatusBar = new TStatusPanels(this);
    setStatusBar(StatusBar);
    BuildFileDialogs();
    InstallTools();
    BuildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildToolPanel());
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(BuildPalette());
    canvasScrollBox_ = new QScrollArea(central);
    canvasScrollBox_->setObjectName("CanvasScrollBox");
    canvasScrollBox_->setAccessibleName("Map view");
    canvasScrollBox_->setWidgetResizable(false);
    canvasScrollBox_->setBackgroundRole(QPalette::Dark);
    canvasScrollBox_->setWidget(DefineNet);
    row->addWidget(canvasScrollBox_, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    // Start-up: legend, pen, tools, then the first map.
    ShowHeightBands();
    SetPenColour(kBlack);
    SetPenWidth(1);
    DefineNet->SetTool(kSpotHeightTool, nullptr);
    DefineNet->SetShape(1);
    SelectTerrain(1);
    DefineNet->TraceTolerance = AutoToleranceBar->value();
    previousZoom_ = kStartZoom;
    CreateMap(MapUnits::Metric, 51, 51, 10);
}

TTarnForm::~TTarnForm() = default;

void TTarnForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (startMapFile_.isEmpty())
        return;
    // Opened once the window is up, so that a message shows over it.
    QTimer::singleShot(0, this, [this, file = std::exchange(startMapFile_, {})] { LoadMap(file); });
}

void TTarnForm::ShowCaption()
{
    const QString file = currentFileName_.isEmpty()
                             ? QString(msg::UntitledMap)
                             : QDir::toNativeSeparators(QFileInfo(currentFileName_).absoluteFilePath());
    // "[*]" shows as "*" while the map has unsaved changes.
    setWindowTitle(QString("%1 - %2[*]").arg(msg::ProgramCaption, file));
    setWindowModified(DefineNet->Modified());
}

void TTarnForm::BuildFileDialogs()
{
    OpenMapDialog = new QFileDialog(this, "Open", {}, "Landscape Map (*.lem)");
    OpenMapDialog->setObjectName("OpenMapDialog");
    OpenMapDialog->setFileMode(QFileDialog::ExistingFile);
    SaveMapDialog = new QFileDialog(this, "Save As", {}, "Landscape Map (*.lem)");
    SaveMapDialog->setObjectName("SaveMapDialog");
    SaveMapDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveMapDialog->setDefaultSuffix("lem");
    OpenBackDialog = new TPictureOpenDialog(this, "Bitmaps (*.bmp)");
    OpenBackDialog->setObjectName("OpenBackDialog");
}

void TTarnForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
        return AddMenuItem(menu, name, caption, this, [this, handler] { (this->*handler)(); });
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("File1");
    addItem(file, "NewMap", "&New", &TTarnForm::NewMapClick);
    addItem(file, "OpenMap", "&Open...", &TTarnForm::OpenMapClick);
    addItem(file, "SaveMap", "&Save", &TTarnForm::SaveMapClick);
    addItem(file, "SaveAsMap", "Save &As...", &TTarnForm::SaveAsMapClick);
    addItem(file, "ExitTarn", "E&xit", &TTarnForm::ExitTarnClick);
    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("Edit1");
    Undo = addItem(edit, "Undo", "&Undo", &TTarnForm::UndoClick);
    Undo->setShortcut(QKeySequence("Ctrl+Z"));
    Undo->setEnabled(false);
    QMenu* tools = bar->addMenu("&Tools");
    tools->setObjectName("Tools1");
    auto* exchange = new TExchangeCommands(
        *this, {*DefineNet, *StatusBar, settings_, [this](int topic) { ShowHelp(topic); },
                [this] { return SaveChangesFirst(); },
                [this](bool newMap) {
                    // A new map has no file name yet; either way the changes are unsaved.
                    if (newMap)
                        currentFileName_.clear();
                    DefineNet->MarkModified();
                    ShowCaption();
                    MapChanged();
                }});
    QAction* import = tools->addAction("&Import...");
    import->setObjectName("Import");
    connect(import, &QAction::triggered, exchange, &TExchangeCommands::ImportClick);
    QAction* exportData = tools->addAction("&Export...");
    exportData->setObjectName("ExportData");
    connect(exportData, &QAction::triggered, exchange, &TExchangeCommands::ExportDataClick);
    addItem(tools, "GenerateFractalOverlay1", "Generate Fractal Overlay...", &TTarnForm::GenerateFractalOverlay1Click);
    addItem(tools, "ColourSettings", "Edit Terrains...", &TTarnForm::ColourSettingsClick);
    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("Help1");
    addItem(help, "Contents1", "&Contents", &TTarnForm::Contents1Click);

    DefNetPopupMenu = new QMenu(this);
    DefNetPopupMenu->setObjectName("DefNetPopupMenu");
    const auto popupItem = [this](const char* name, const char* caption, void (TObjectsTool::*command)(TDefineNet&)) {
        QAction* action = DefNetPopupMenu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, command] { (ObjectsTool->*command)(*DefineNet); });
    };
    popupItem("SendObjToBack", "Send to back", &TObjectsTool::SendObjToBack);
    popupItem("BringObjToFront", "Bring to front", &TObjectsTool::BringObjToFront);
    DefNetPopupMenu->addSeparator();
    popupItem("UpdateProperties", "Update properties", &TObjectsTool::UpdateProperties);
    DefNetPopupMenu->addSeparator();
    popupItem("DeleteOverlay", "Delete", &TObjectsTool::DeleteOverlay);
}

void TTarnForm::InstallTools()
{
    auto objects = std::make_unique<TObjectsTool>();
    ObjectsTool = objects.get();
    DefineNet->InstallTool(kObjectsTool, std::move(objects));
    DefineNet->InstallTool(kSectionTool, std::make_unique<TSectionTool>());
}

QToolButton* TTarnForm::AddToolButton(QBoxLayout* row, const char* name, const char* hint)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFixedSize(27, 27);
    button->setIcon(ToolGlyph(name));
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

QWidget* TTarnForm::BuildToolPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName("ToolPanel");
    panel->setFixedHeight(41);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(1);

    void (TTarnForm::*const viewHandlers[])() = {&TTarnForm::ZoomInButtonClick, &TTarnForm::ZoomOutButtonClick,
                                                  &TTarnForm::FlipZoomButtonClick, &TTarnForm::RedrawButtonClick,
                                                  &TTarnForm::LoadBMPButtonClick};
    for (std::size_t i = 0; i < std::size(kViewButtons); ++i) {
        QToolButton* button = AddToolButton(row, kViewButtons[i].name, kViewButtons[i].hint);
        connect(button, &QToolButton::clicked, this, [this, handler = viewHandlers[i]] { (this->*handler)(); });
    }
    row->addSpacing(12);
    auto* group = new QButtonGroup(panel);
    group->setExclusive(true);
    for (const TToolButtonInfo& info : kToolButtons) {
        QToolButton* button = AddToolButton(row, info.name, info.hint);
        button->setCheckable(true);
        button->setChecked(info.tool == kSpotHeightTool);
        group->addButton(button, info.tool);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int tool) {
        DefineNet->SetTool(tool, tool == kObjectsTool ? DefNetPopupMenu : nullptr);
    });
    row->addStretch(1);
    XPosition = ReadoutLabel(panel, "XPosition");
    YPosition = ReadoutLabel(panel, "YPosition");
    ZPosition = ReadoutLabel(panel, "ZPosition");
    row->addWidget(XPosition);
    row->addWidget(new QLabel(":", panel));
    row->addWidget(YPosition);
    row->addWidget(new QLabel(":", panel));
    row->addWidget(ZPosition);
    return panel;
}

void TTarnForm::ShowHelp(int topic)
{
    HelpWindow->ShowTopic(topic);
}

void TTarnForm::Contents1Click()
{
    ShowHelp(1);
}

bool TTarnForm::event(QEvent* event)
{
    if (event->type() != TNotifyEvent::EventType())
        return QMainWindow::event(event);
    const auto* notification = static_cast<TNotifyEvent*>(event);
    switch (notification->Number()) {
    case kUndoAvailable:
        Undo->setEnabled(true);
        break;
    case kUndoUsed:
        Undo->setEnabled(false);
        break;
    case kBandRangeChanged: {
        const QSignalBlocker blockMin(MinHeightSpin);
        const QSignalBlocker blockMax(MaxHeightSpin);
        MinHeightSpin->setValue(DefineNet->BandMin);
        MaxHeightSpin->setValue(DefineNet->BandMax);
        MinHeightSpinChange();
        MaxHeightSpinChange();
        break;
    }
    case kSectionToolChanged:
    case kSectionPoint:
    case kSectionHeightAxis:
    case kSectionDistanceAxis:
        SectionForm->FollowNotification(notification->Number(), notification->First(), notification->Second(),
                                        static_cast<MapUnits>(DefineNet->MapHeader.MapUnits));
        break;
    case kMouseOverNode:
        ShowPositionReadout(static_cast<int>(notification->First()), UnpackColumn(notification->Second()),
                            UnpackRow(notification->Second()));
        break;
    default:
        break;
    }
    return true;
}

void TTarnForm::ShowPositionReadout(int height, int column, int row)
{
    XPosition->setText(QString::number(column));
    YPosition->setText(QString::number(DefineNet->GridRows() - row - 1));
    if (height == kNullHeight)
        ZPosition->setText("Null");
    else if (static_cast<MapUnits>(DefineNet->MapHeader.MapUnits) == MapUnits::MicroMetric)
        ZPosition->setText(QString("%1").arg(height * 0.1, 5, 'f', 1));
    else
        ZPosition->setText(QString("%1").arg(height, 5));
}

}  // namespace tarn
