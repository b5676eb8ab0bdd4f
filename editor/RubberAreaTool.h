#pragma once

#include "editor/CanvasTool.h"

namespace tarn {

// The area tools' gesture: press, drag a rubber rectangle, release. The
// rectangle is shown over the map while it is dragged; on release the tool
// works on the rectangle between the two corners.
class TRubberAreaTool : public TCanvasTool {
public:
    void MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void MouseMove(TDefineNet& net, QPoint point) override;
    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void Leave(TDefineNet& net) override;
    void PaintMarks(QPainter& painter) const override;

    bool Active() const { return active_; }
    QPoint RubberStart() const { return start_; }
    QPoint RubberEnd() const { return end_; }

protected:
    // The work of the tool on the dragged area; the corners are in any order.
    virtual void AreaSelected(TDefineNet&, QPoint, QPoint) {}

private:
    bool active_ = false;
    QPoint start_;
    QPoint end_;
};

}  // namespace tarn
