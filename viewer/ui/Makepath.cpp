#include "viewer/ui/Makepath.h"

#include "controls/Flatimge.h"
#include "controls/HelpWindow.h"
#include "controls/Messages.h"
#include "model/Errors.h"
#include "model/Net.h"
#include "viewer/anim/FlightProfile.h"
#include "viewer/anim/PathBox.h"
#include "viewer/anim/ScriptFile.h"
#include "viewer/ui/FlightGraph.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/MapTopView.h"
#include "viewer/ui/PathBoxView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>

namespace tarn {

namespace {

constexpr int kHelpContext = 52;
// The longer side of the top view, in pixels.
constexpr int kTopViewSide = 400;
constexpr int kGraphHeight = 200;
const char* const kSpeeds[] = {"Very Slow", "Slow", "Moderate", "Fast", "Very Fast"};

}  // namespace

TCreatePath::TCreatePath(const TNet& map, THelpWindow* help, QWidget* parent) : QDialog(parent), map_(map)
{
    setObjectName("CreatePath");
    setWindowTitle("Make Path");
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuildDrawingArea(), 0, 0);
    grid->addWidget(BuildSettings(), 0, 1);
    BuildGraph();
    grid->addWidget(flightGraph_, 1, 0, 1, 2);
    grid->addWidget(BuildButtons(), 2, 0, 1, 2);

    auto* helpButton = findChild<QPushButton*>("HelpBtn");
    connect(helpButton, &QPushButton::clicked, this, [help] {
        if (help)
            help->ShowTopic(kHelpContext);
    });
    UpdateButtons();
}

TCreatePath::~TCreatePath() = default;

QWidget* TCreatePath::BuildDrawingArea()
{
    auto* area = new QWidget(this);
    area->setFixedSize(kTopViewSide, kTopViewSide);
    flatImage_ = new TFlatImage(area);
    flatImage_->setObjectName("FlatImage");
    flatImage_->SetLongSide(kTopViewSide);
    flatImage_->setGeometry(0, 0, kTopViewSide, kTopViewSide);
    const auto& header = map_.MapHeader;
    ShowMapHeights(*flatImage_, map_, header.MinHeight, header.MaxHeight);

    pathBox_ = new TPathBoxView(path_, generated_, area);
    pathBox_->setObjectName("PathBox");
    pathBox_->setAccessibleName("Path drawing box");
    pathBox_->setToolTip("Left button: add or move a point; Shift or right button: move its view point");
    pathBox_->setGeometry(flatImage_->geometry());
    pathBox_->raise();
    geometry_ = std::make_unique<TPathBoxGeometry>(map_, pathBox_->width(), pathBox_->height());
    connect(pathBox_, &TPathBoxView::Pressed, this, &TCreatePath::PathBoxMouseDown);
    connect(pathBox_, &TPathBoxView::Moved, this, &TCreatePath::PathBoxMouseMove);
    connect(pathBox_, &TPathBoxView::Released, this, &TCreatePath::PathBoxMouseUp);
    return area;
}

QWidget* TCreatePath::BuildSettings()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);

    auto* typeGroup = MakeGroup(column, "Path Type");
    auto* typeColumn = new QVBoxLayout(typeGroup);
    flightRadio_ = new QRadioButton("Flight", typeGroup);
    flightRadio_->setObjectName("FlightRadio");
    flightRadio_->setAccessibleName("Flight");
    flightRadio_->setChecked(true);
    panoramaRadio_ = new QRadioButton("Panorama", typeGroup);
    panoramaRadio_->setObjectName("PanoramaRadio");
    panoramaRadio_->setAccessibleName("Panorama");
    typeColumn->addWidget(flightRadio_);
    typeColumn->addWidget(panoramaRadio_);
    connect(flightRadio_, &QRadioButton::clicked, this, [this] { SetPathType(TPathType::Flight); });
    connect(panoramaRadio_, &QRadioButton::clicked, this, [this] { SetPathType(TPathType::OutPanorama); });
    layout->addWidget(typeGroup);

    auto* generalGroup = MakeGroup(column, "General Parameters");
    auto* generalGrid = new QGridLayout(generalGroup);
    height_ = AddSpinRow(generalGrid, 0, 0, "Height", "Default height above surface", 0, 9999);
    height_->setToolTip("Set height above terrain of path");
    layout->addWidget(generalGroup);

    auto* flightGroup = MakeGroup(column, "Flight Parameters");
    auto* flightGrid = new QGridLayout(flightGroup);
    minHeight_ = AddSpinRow(flightGrid, 0, 0, "MinHeight", "Min. Height", 0, 9999);
    minHeight_->setToolTip("Set minimum height for path");
    speed_ = new QComboBox(flightGroup);
    speed_->setObjectName("Speed");
    speed_->setAccessibleName("Speed");
    speed_->setToolTip("Set flight speed");
    speed_->view()->setAccessibleName("Flight speeds");
    speed_->setEditable(true);
    speed_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* speed : kSpeeds)
        speed_->addItem(speed);
    flightGrid->addWidget(MakeCaption(flightGroup, "Speed", speed_), 1, 0);
    flightGrid->addWidget(speed_, 1, 1);
    layout->addWidget(flightGroup);
    layout->addStretch();

    // The fields show every change at once, so a value typed and not yet
    // confirmed is the one a click in the box uses.
    for (QSpinBox* spin : {height_, minHeight_})
        spin->setKeyboardTracking(true);
    ShowParameters();
    return column;
}

QWidget* TCreatePath::BuildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    generate_ = MakeButton(row, "Generate", "Generate", "Generates flight path");
    auto* reset = MakeButton(row, "ResetPath", "ResetPath", "Clears path and resets");
    save_ = MakeButton(row, "Save", "Save Script");
    auto* load = MakeButton(row, "Load", "Load Script");
    auto* ok = MakeButton(row, "OKBtn", "OK");
    auto* helpButton = MakeButton(row, "HelpBtn", "&Help");
    ok->setDefault(true);
    for (QPushButton* button : {generate_, reset, save_, load})
        layout->addWidget(button);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(helpButton);
    connect(generate_, &QPushButton::clicked, this, &TCreatePath::GenerateClick);
    connect(reset, &QPushButton::clicked, this, &TCreatePath::ResetPathClick);
    connect(save_, &QPushButton::clicked, this, &TCreatePath::SaveClick);
    connect(load, &QPushButton::clicked, this, &TCreatePath::LoadClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    return row;
}

void TCreatePath::BuildGraph()
{
    flightGraph_ = new TFlightGraph(map_.MapHeader.MinHeight, map_.MapHeader.MaxHeight, this);
    flightGraph_->setObjectName("FlightGraph");
    flightGraph_->setAccessibleName("Flight height profile");
    flightGraph_->setToolTip("Drag a point's marker to change its flight height");
    flightGraph_->setMinimumHeight(kGraphHeight);
    connect(flightGraph_, &TFlightGraph::HeightDragged, this,
            [this](int point, int height) { path_.SetPointHeight(point, height); });
    connect(flightGraph_, &TFlightGraph::DragEnded, this, &TCreatePath::FlightGraphMouseUp);
}

int TCreatePath::PointHeight(TBoxPoint at) const
{
    return geometry_->GroundHeight(at.x, at.y) + height_->value();
}

void TCreatePath::PathBoxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TBoxPoint at)
{
    viewPointMode_ = button != Qt::LeftButton || modifiers.testFlag(Qt::ShiftModifier);
    if (viewPointMode_) {
        current_ = path_.ViewPointNear(at);
        if (current_ >= 0)
            path_.MoveViewPoint(current_, at);
    } else if (const int near = path_.ControlPointNear(at); near >= 0) {
        current_ = near;
        path_.MoveControlPoint(current_, at, PointHeight(at));
    } else if (path_.AddControlPoint(at, PointHeight(at))) {
        current_ = path_.PointCount() - 1;
    } else {
        current_ = -1;
    }
    dragActive_ = current_ >= 0;
    UpdateButtons();
    pathBox_->update();
}

void TCreatePath::PathBoxMouseMove(TBoxPoint to)
{
    if (!dragActive_)
        return;
    to = {std::clamp(to.x, 0, pathBox_->width()), std::clamp(to.y, 0, pathBox_->height())};
    if (viewPointMode_) {
        path_.MoveViewPoint(current_, to);
    } else {
        const bool viewFollows = path_.ViewPointOnItsPoint(current_);
        path_.MoveControlPoint(current_, to, PointHeight(to));
        if (viewFollows)
            path_.MoveViewPoint(current_, to);
    }
    pathBox_->update();
}

void TCreatePath::PathBoxMouseUp()
{
    dragActive_ = false;
    UpdateProfile();
    // Frames already made follow the points, a panorama's too, so they are
    // never saved for a place its point has left.
    if (path_.PointCount() > 3 || !path_.Frames.empty())
        GenerateClick();
}

void TCreatePath::FlightGraphMouseUp()
{
    UpdateProfile();
    if (!path_.Frames.empty())
        GenerateClick();
}

void TCreatePath::GenerateClick()
{
    ReadParameters();
    generated_ = GeneratePath(path_, *geometry_, LookAheadDistance(map_.MapHeader));
    path_.Frames = generated_.frames;
    UpdateButtons();
    pathBox_->update();
}

void TCreatePath::ResetPathClick()
{
    path_.Reset();
    generated_ = {};
    current_ = -1;
    dragActive_ = false;
    UpdateProfile();
    UpdateButtons();
    pathBox_->update();
}

void TCreatePath::SetPathType(TPathType type)
{
    path_.SetType(type);
    ResetPathClick();
}

QString TCreatePath::AskScriptFile(TFileUse use)
{
    const bool save = use == TFileUse::Save;
    QFileDialog dialog(this, save ? "Save Script" : "Load Script", scriptFolder_, "Animation Script (*.srp)");
    dialog.setObjectName(save ? "SavePath" : "OpenScript");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("srp");
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    scriptFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().front();
}

void TCreatePath::SaveClick()
{
    const QString fileName = AskScriptFile(TFileUse::Save);
    if (fileName.isEmpty())
        return;
    // The frames are made again from the fields as they are now, so the
    // script's frames and parameters always agree.
    GenerateClick();
    std::ostringstream text;
    WriteScript(text, path_);
    const std::string bytes = text.str();
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        ShowMessage(file.errorString());
}

void TCreatePath::LoadClick()
{
    const QString fileName = AskScriptFile(TFileUse::Open);
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(file.errorString());
        return;
    }
    std::istringstream text(file.readAll().toStdString());
    // Fields typed but not yet used stay as typed when the script's
    // parameters cannot be read.
    ReadParameters();
    current_ = -1;
    try {
        ReadPathScript(text, path_);
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromUtf8(error.what()));
    }
    // A script whose type could be read replaced the path and its frames;
    // one that failed before that left both as they were.
    if (path_.Frames.empty())
        generated_ = {};
    (path_.Type() == TPathType::Flight ? flightRadio_ : panoramaRadio_)->setChecked(true);
    ShowParameters();
    UpdateProfile();
    UpdateButtons();
    pathBox_->update();
}

void TCreatePath::ReadParameters()
{
    path_.Height = height_->value();
    path_.MinHeight = minHeight_->value();
    path_.Speed = speed_->currentText().trimmed().toStdString();
}

void TCreatePath::ShowParameters()
{
    height_->setValue(path_.Height);
    minHeight_->setValue(path_.MinHeight);
    speed_->setCurrentText(QString::fromStdString(path_.Speed));
}

void TCreatePath::UpdateProfile()
{
    ReadParameters();
    flightGraph_->ShowProfile(BuildFlightProfile(path_, *geometry_));
}

void TCreatePath::UpdateButtons()
{
    generate_->setEnabled(path_.CanGenerate());
    save_->setEnabled(!path_.Frames.empty());
}

}  // namespace tarn
