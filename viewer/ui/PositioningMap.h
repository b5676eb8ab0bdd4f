#pragma once

#include "viewer/ui/SceneConversions.h"

#include <QWidget>

namespace tarn {

class TFlatImage;
class TNet;

// The positioning map: a top view of the map (FlatImage) under a paint box
// (LocPaintBox) that shows the camera, the target and the angle of view and
// lets the user drag them. The camera is grabbed before the target and the
// target before the angle handle.
class TPositioningMap : public QWidget {
    Q_OBJECT

public:
    explicit TPositioningMap(QWidget* parent = nullptr);

    // Paints the top view from a map's heights, coloured from low to high.
    void ShowMap(const TNet& map, int lowestHeight, int highestHeight);
    // Box and image sizes with the map's world size.
    TPositioningGeometry Geometry(int worldWidth, int worldHeight) const;
    QSize BoxSize() const;

    TPixel Camera() const { return camera_; }
    TPixel Target() const { return target_; }
    void SetMarkers(TPixel camera, TPixel target);
    double ViewAngle() const { return viewAngle_; }
    void SetViewAngle(double angle);

signals:
    // The angle handle was dragged to a new angle of view.
    void AngleDragged(double angle);
    // The mouse was released after a press on the box.
    void Released();

private:
    class TLocPaintBox;

    void Paint(QPainter& painter) const;
    void Press(TPixel at);
    void Move(TPixel to);
    void Release();

    TFlatImage* flatImage_;
    TLocPaintBox* paintBox_;
    TPixel camera_ = kCameraFallback;
    TPixel target_ = kTargetFallback;
    double viewAngle_ = 30;
    TGrab grab_ = TGrab::None;
};

}  // namespace tarn
