#include "viewer/ui/ProjectionPage.h"

#include "controls/Hemisphere.h"
#include "model/SettingsStore.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/Hints.h"
#include "viewer/ui/PositioningMap.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace tarn {

namespace {
constexpr int kUnsetCameraAbove = 50;
constexpr int kUnsetTargetAbove = 10;
constexpr int kDefaultCameraHeight = 1000;
constexpr int kDefaultViewAngle = 30;

void SetQuietly(QSpinBox* spin, int value)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(value);
}

int Rounded(double value) { return static_cast<int>(std::nearbyint(value)); }
}  // namespace

TProjectionPage::TProjectionPage(ISettingsStore& settings, THintSwitch& hints, QWidget* parent)
    : TScenePage(parent), settings_(settings), hints_(hints)
{
    setObjectName("ProjectionPage");
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildLightGroup());
    QGroupBox* environment = MakeGroup(this, "Environment");
    showHints_ = MakeCheck(environment, "ShowHints", "Show Hints");
    (new QVBoxLayout(environment))->addWidget(showHints_);
    connect(showHints_, &QCheckBox::clicked, this, &TProjectionPage::ShowHintsClick);
    left->addWidget(environment);
    left->addWidget(BuildPositioningGroup());
    left->addStretch();
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    QGroupBox* mapGroup = MakeGroup(this, "Positioning Map");
    positioningMap_ = new TPositioningMap(mapGroup);
    (new QVBoxLayout(mapGroup))->addWidget(positioningMap_, 0, Qt::AlignCenter);
    connect(positioningMap_, &TPositioningMap::AngleDragged, this, [this](double angle) {
        viewAngle_ = angle;
        SetQuietly(perspective_, Rounded(angle));
    });
    connect(positioningMap_, &TPositioningMap::Released, this, &TProjectionPage::MarkersReleased);
    right->addWidget(mapGroup);
    right->addWidget(BuildConfigurationGroup());
    right->addStretch();
    columns->addLayout(right);
}

QWidget* TProjectionPage::BuildLightGroup()
{
    QGroupBox* group = MakeGroup(this, "Light Source");
    auto* grid = new QGridLayout(group);
    lightAlt_ = AddSpinRow(grid, 0, 0, "LightAlt", "Altitude Angle", 0, 90);
    lightAz_ = AddSpinRow(grid, 1, 0, "LightAz", "Azimuth Angle", 0, 355);
    lightHemisphere_ = new THemisphere(group);
    lightHemisphere_->setObjectName("LightHemisphere");
    lightHemisphere_->setAccessibleName("Light direction");
    lightHemisphere_->setFixedSize(80, 120);
    lightHemisphere_->installEventFilter(this);
    grid->addWidget(lightHemisphere_, 0, 2, 3, 1);
    grid->setRowStretch(2, 1);
    connect(lightAlt_, &QSpinBox::valueChanged, this, &TProjectionPage::LightSpinChanged);
    connect(lightAz_, &QSpinBox::valueChanged, this, &TProjectionPage::LightSpinChanged);
    connect(lightHemisphere_, &THemisphere::AltChange, this, [this](int altitude) { SetQuietly(lightAlt_, altitude); });
    connect(lightHemisphere_, &THemisphere::AzChange, this, [this](int azimuth) { SetQuietly(lightAz_, azimuth); });
    return group;
}

QWidget* TProjectionPage::BuildPositioningGroup()
{
    QGroupBox* group = MakeGroup(this, "Positioning");
    auto* grid = new QGridLayout(group);
    scale_ = AddSpinRow(grid, 0, 0, "ScaleSpinEdit", "Vertical Scaling %", 1, 250);
    perspective_ = AddSpinRow(grid, 1, 0, "PerspectiveSpinEdit", "Angle of view", 1, 90);
    viewAlt_ = AddSpinRow(grid, 2, 0, "ViewAlt", "Camera Height", 0, 32000);
    targetAlt_ = AddSpinRow(grid, 3, 0, "TargetAlt", "Target  Height", 0, 10000);
    connect(scale_, &QSpinBox::valueChanged, this, &TProjectionPage::ScaleChanged);
    connect(perspective_, &QSpinBox::valueChanged, this, &TProjectionPage::PerspectiveChanged);
    connect(viewAlt_, &QSpinBox::valueChanged, this, &TScenePage::Changed);
    connect(targetAlt_, &QSpinBox::valueChanged, this, &TScenePage::Changed);
    return group;
}

QWidget* TProjectionPage::BuildConfigurationGroup()
{
    QGroupBox* group = MakeGroup(this, "Configuration Parameters");
    auto* row = new QHBoxLayout(group);
    QPushButton* defaults = MakeButton(group, "SetProjDefaults", "Defaults");
    QPushButton* load = MakeButton(group, "Load", "Load", "Load terrain configurations");
    QPushButton* save = MakeButton(group, "Save", "Save", "Save terrain configurations");
    row->addWidget(defaults);
    row->addWidget(load);
    row->addWidget(save);
    connect(defaults, &QPushButton::clicked, this, &TProjectionPage::SetProjDefaultsClick);
    connect(load, &QPushButton::clicked, this, &TProjectionPage::LoadRequested);
    connect(save, &QPushButton::clicked, this, &TProjectionPage::SaveRequested);
    return group;
}

void TProjectionPage::ShowMap(const TNet& previewMap, int lowestHeight, int highestHeight)
{
    positioningMap_->ShowMap(previewMap, lowestHeight, highestHeight);
}

QSize TProjectionPage::PositioningMapSize() const
{
    return positioningMap_->BoxSize();
}

TPositioningGeometry TProjectionPage::Geometry() const
{
    return positioningMap_->Geometry(worldWidth_, worldHeight_);
}

void TProjectionPage::Load(const TMapHeader& header)
{
    worldWidth_ = header.WorldWidth;
    worldHeight_ = header.WorldHeight;
    shortSide_ = header.ShortSide;
    const TPositioningGeometry geometry = Geometry();
    positioningMap_->SetMarkers(MarkerPixel(header.CameraPos[0], header.CameraPos[1], geometry, kCameraFallback),
                                MarkerPixel(header.TargetPos[0], header.TargetPos[1], geometry, kTargetFallback));
    camera_ = {header.CameraPos[0], header.CameraPos[1]};
    target_ = {header.TargetPos[0], header.TargetPos[1]};
    heightFactor_ = HeightFactor(header.VerticalScale, shortSide_);
    SetQuietly(viewAlt_, HeightSpinValue(header.CameraPos[2], heightFactor_, header.MaxHeight + kUnsetCameraAbove));
    SetQuietly(targetAlt_, HeightSpinValue(header.TargetPos[2], heightFactor_, header.MaxHeight + kUnsetTargetAbove));
    SetQuietly(lightAlt_, header.LightAlt);
    SetQuietly(lightAz_, header.LightAz);
    lightHemisphere_->SetAltitude(lightAlt_->value());
    lightHemisphere_->SetAzimuth(lightAz_->value());
    SetQuietly(scale_, ScalePercentOf(header.VerticalScale));
    viewAngle_ = std::nearbyint(header.ViewAngle);
    SetQuietly(perspective_, Rounded(viewAngle_));
    positioningMap_->SetViewAngle(viewAngle_);
    showHints_->setChecked(hints_.Enabled());
}

void TProjectionPage::Store(TMapHeader& header) const
{
    header.LightAlt = static_cast<std::int16_t>(lightAlt_->value());
    header.LightAz = static_cast<std::int16_t>(lightAz_->value());
    header.VerticalScale = VerticalScaleOf(scale_->value());
    header.ViewAngle = viewAngle_;
    header.CameraPos = {camera_.x, camera_.y, WorldHeightOf(viewAlt_->value(), heightFactor_)};
    header.TargetPos = {target_.x, target_.y, WorldHeightOf(targetAlt_->value(), heightFactor_)};
}

void TProjectionPage::PutValues(TParameterValues& values) const
{
    values.CameraX = positioningMap_->Camera().x;
    values.CameraY = positioningMap_->Camera().y;
    values.CameraZ = viewAlt_->value();
    values.TargetX = positioningMap_->Target().x;
    values.TargetY = positioningMap_->Target().y;
    values.Perspective = perspective_->value();
    values.Scale = scale_->value();
    values.LightAz = lightHemisphere_->Azimuth();
    values.LightAlt = lightHemisphere_->Altitude();
}

void TProjectionPage::TakeValues(const TParameterValues& values)
{
    positioningMap_->SetMarkers({values.CameraX, values.CameraY}, {values.TargetX, values.TargetY});
    SetQuietly(viewAlt_, values.CameraZ);
    SetQuietly(perspective_, values.Perspective);
    viewAngle_ = perspective_->value();
    positioningMap_->SetViewAngle(viewAngle_);
    SetQuietly(scale_, values.Scale);
    heightFactor_ = HeightFactor(VerticalScaleOf(scale_->value()), shortSide_);
    SetQuietly(lightAz_, values.LightAz);
    SetQuietly(lightAlt_, values.LightAlt);
    lightHemisphere_->SetAzimuth(lightAz_->value());
    lightHemisphere_->SetAltitude(lightAlt_->value());
    TakeMarkerPositions();
}

void TProjectionPage::LightSpinChanged()
{
    lightHemisphere_->SetAltitude(lightAlt_->value());
    lightHemisphere_->SetAzimuth(lightAz_->value());
    if (!lightHemisphere_->Dragging())
        emit Changed();
}

bool TProjectionPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lightHemisphere_ && event->type() == QEvent::MouseButtonRelease)
        HemisphereReleased();
    return TScenePage::eventFilter(watched, event);
}

void TProjectionPage::HemisphereReleased()
{
    SetQuietly(lightAlt_, lightHemisphere_->Altitude());
    SetQuietly(lightAz_, lightHemisphere_->Azimuth());
    emit Changed();
}

void TProjectionPage::ScaleChanged(int percent)
{
    // Camera and target keep their heights above the exaggerated terrain.
    heightFactor_ = HeightFactor(VerticalScaleOf(percent), shortSide_);
    emit Changed();
}

void TProjectionPage::PerspectiveChanged(int angle)
{
    viewAngle_ = angle;
    positioningMap_->SetViewAngle(viewAngle_);
    emit Changed();
}

void TProjectionPage::MarkersReleased()
{
    TakeMarkerPositions();
    emit Changed();
}

void TProjectionPage::TakeMarkerPositions()
{
    const TPositioningGeometry geometry = Geometry();
    if (const auto camera = WorldPointOf(positioningMap_->Camera(), geometry))
        camera_ = *camera;
    if (const auto target = WorldPointOf(positioningMap_->Target(), geometry))
        target_ = *target;
}

void TProjectionPage::SetProjDefaultsClick()
{
    SetQuietly(scale_, 100);
    heightFactor_ = HeightFactor(1.0, shortSide_);
    viewAngle_ = kDefaultViewAngle;
    SetQuietly(perspective_, kDefaultViewAngle);
    positioningMap_->SetViewAngle(viewAngle_);
    const QSize box = positioningMap_->BoxSize();
    positioningMap_->SetMarkers({Rounded(box.width() / 3.0), Rounded(box.height() / 3.0)},
                                {Rounded(box.width() / 2.0), Rounded(box.height() / 2.0)});
    SetQuietly(viewAlt_, kDefaultCameraHeight);
    SetQuietly(targetAlt_, 0);
    TakeMarkerPositions();
    emit Changed();
}

void TProjectionPage::ShowHintsClick(bool on)
{
    settings_.WriteInteger(kViewerSettingsKey, "General", "ShowHints", on ? 1 : 0);
    hints_.SetEnabled(on);
}

}  // namespace tarn
