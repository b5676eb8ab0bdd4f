#pragma once

#include "viewer/anim/FlightPath.h"
#include "viewer/anim/PathGenerator.h"

#include <QWidget>

namespace tarn {

// The drawing box laid over the map's top view. It paints the path as it
// stands (control points, the line joining them, each point's line to its
// view point, the generated camera and view tracks, a panorama's circle)
// and reports the mouse in box pixels; the dialog that owns it decides what
// a press or a drag does.
class TPathBoxView : public QWidget {
    Q_OBJECT

public:
    TPathBoxView(const TFlightPath& path, const TGeneratedPath& generated, QWidget* parent = nullptr);

signals:
    void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TBoxPoint at);
    void Moved(TBoxPoint to);
    void Released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TFlightPath& path_;
    const TGeneratedPath& generated_;
};

}  // namespace tarn
