// SectionTool.h: the Cross Section tool, which draws a polyline over the map
// and sends the height profile along it to the windows as notifications.
#pragma once

#include "editor/CanvasTool.h"

#include <QPointF>

#include <vector>

namespace tarn {

class TSectionTool final : public TCanvasTool {
public:
    void MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void MouseMove(TDefineNet& net, QPoint point) override;
    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void DoubleClick(TDefineNet& net, QPoint point) override;
    void EraseMarks(TDefineNet& net) override;
    void PaintMarks(QPainter& painter) const override;

    // The polyline's vertices in grid steps.
    const std::vector<QPointF>& SectionPoints() const { return points_; }
    bool SectionFinished() const { return finished_; }

private:
    void StartLine(TDefineNet& net, QPoint point);
    void AddVertex(TDefineNet& net, QPoint point);
    void ProfileSegment(TDefineNet& net);

    std::vector<QPointF> points_;
    bool finished_ = true;
    bool skipPress_ = false;
    bool dragging_ = false;
    QPoint segmentStart_;
    QPoint segmentEnd_;
    double distance_ = 0;  // pixels profiled so far, X:Y ratio applied
    double scale_ = 1.0;   // the canvas scale the vertices were taken at
};

}  // namespace tarn
