#pragma once

#include <QFrame>
#include <QPoint>

namespace tarn {

// A panel for picking a direction with the mouse: a top view (a shaded disc
// whose line shows the azimuth, longer for a higher altitude) and, unless
// AzimuthOnly, a side view below it (a half disc whose line shows the
// altitude). Azimuth -1 means "no direction" and hides both lines.
class THemisphere : public QFrame {
    Q_OBJECT

public:
    // Positions of both views, worked out from the current size.
    struct Geometry {
        int cx = 0, cy = 0;  // top-view centre
        int sx = 0, sy = 0;  // side-view centre
        int rings = 1;       // number of shading rings
        int ringWidth = 0;   // r
        int radius = 0;      // R, the radius a press may reach
    };

    explicit THemisphere(QWidget* parent = nullptr);

    int Azimuth() const { return azimuth_; }
    // Stored as given (-1 hides the lines); fires AzChange when it changed.
    void SetAzimuth(int degrees);
    int Altitude() const { return altitude_; }
    // Limited to 0..90; fires AltChange when it changed.
    void SetAltitude(int degrees);

    bool AzimuthOnly() const { return azimuthOnly_; }
    void SetAzimuthOnly(bool only);
    int StepCount() const { return stepCount_; }
    void SetStepCount(int steps);
    // Clips the window to the top-view disc, from the next paint on.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    bool Dragging() const { return dragging_; }
    // For an owner that handles the mouse release itself.
    void EndDrag() { dragging_ = false; }

    Geometry Layout() const;
    // The far ends of the two direction lines.
    QPoint AzimuthLineEnd() const;
    QPoint AltitudeLineEnd() const;

signals:
    void AzChange(int azimuth);
    void AltChange(int altitude);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyPosition(QPoint position);

    int azimuth_ = 0;
    int altitude_ = 0;
    bool azimuthOnly_ = false;
    int stepCount_ = 1;
    bool transparent_ = false;
    bool dragging_ = false;
    bool regionPending_ = true;
};

}  // namespace tarn
