#pragma once

#include "editor/CanvasTool.h"
#include "editor/tools/ContourHeightQuestion.h"
#include "model/edits/TraceNodes.h"

#include <QPolygon>

#include <vector>

namespace tarn {

// Manual contour trace: left presses and drags add nodes to a line drawn in
// red over the map; a double click, a press of another button or choosing
// another tool ends it, asks for the contour's height and writes it along
// the line at the canvas's trace density.
class TManualTraceTool : public TCanvasTool {
public:
    explicit TManualTraceTool(TContourHeightQuestion askHeight);

    void MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void MouseMove(TDefineNet& net, QPoint point) override;
    void DoubleClick(TDefineNet& net, QPoint point) override;
    void Leave(TDefineNet& net) override;
    void PaintMarks(QPainter& painter) const override;

    bool InProgress() const { return inProgress_; }

private:
    void AddPoint(TDefineNet& net, QPoint point);
    void Finish(TDefineNet& net);
    void WriteTrace(TDefineNet& net, std::int16_t height);

    TContourHeightQuestion askHeight_;
    bool inProgress_ = false;
    // Set when a double click ended the trace: the press that comes with
    // the double click is not the start of a new trace.
    bool swallowPress_ = false;
    std::vector<TGridNode> nodes_;
    QPolygon line_;
};

}  // namespace tarn
