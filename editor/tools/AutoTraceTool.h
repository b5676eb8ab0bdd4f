#pragma once

#include "editor/CanvasTool.h"
#include "editor/tools/ContourHeightQuestion.h"

#include <QColor>
#include <QPolygon>

namespace tarn {

// Automatic contour trace: a click on a line of the background picture
// follows the line by its colour, within the canvas's trace tolerance,
// marks the pixels it went over, asks for the contour's height and writes
// it into the nodes the line passes at the canvas's trace density.
class TAutoTraceTool : public TCanvasTool {
public:
    explicit TAutoTraceTool(TContourHeightQuestion askHeight);

    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void PaintMarks(QPainter& painter) const override;

private:
    TContourHeightQuestion askHeight_;
    QPolygon marks_;
    QColor markColour_;
};

}  // namespace tarn
