#pragma once

#include "viewer/ui/ScenePage.h"
#include "viewer/ui/SceneConversions.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace tarn {

class ISettingsStore;
class TNet;
class THemisphere;
class THintSwitch;
class TPositioningMap;

// "Projection": light source, hints, vertical scale, angle of view, camera
// and target heights, and the positioning map with the camera, target and
// angle handles. Camera and target heights go through the height factor
// (VerticalScale / ShortSide), which follows the scale spin.
class TProjectionPage : public TScenePage {
    Q_OBJECT

public:
    TProjectionPage(ISettingsStore& settings, THintSwitch& hints, QWidget* parent = nullptr);

    // The top view under the markers, from the preview map.
    void ShowMap(const TNet& previewMap, int lowestHeight, int highestHeight);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;
    void PutValues(TParameterValues& values) const override;
    void TakeValues(const TParameterValues& values) override;

    // The positioning map's size, for the parameter file's defaults.
    QSize PositioningMapSize() const;

signals:
    void LoadRequested();
    void SaveRequested();

private:
    QWidget* BuildLightGroup();
    QWidget* BuildPositioningGroup();
    QWidget* BuildConfigurationGroup();
    void LightSpinChanged();
    void HemisphereReleased();
    void ScaleChanged(int percent);
    void PerspectiveChanged(int angle);
    void MarkersReleased();
    void SetProjDefaultsClick();
    void ShowHintsClick(bool on);
    // The world position of the markers, as a mouse up on the map takes it.
    void TakeMarkerPositions();
    TPositioningGeometry Geometry() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    ISettingsStore& settings_;
    THintSwitch& hints_;
    QSpinBox* lightAlt_;
    QSpinBox* lightAz_;
    THemisphere* lightHemisphere_;
    QCheckBox* showHints_;
    QSpinBox* scale_;
    QSpinBox* perspective_;
    QSpinBox* viewAlt_;
    QSpinBox* targetAlt_;
    TPositioningMap* positioningMap_;

    int worldWidth_ = 0;
    int worldHeight_ = 0;
    int shortSide_ = 1;
    double heightFactor_ = 1;
    double viewAngle_ = 30;
    TWorldXY camera_;
    TWorldXY target_;
};

}  // namespace tarn
