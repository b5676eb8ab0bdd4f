#pragma once

#include "editor/tools/ObjectGesture.h"

#include <QPolygon>

namespace tarn {

// Segmented line: each press and release adds a segment to one pen stroke,
// which joins the overlay list at its first press and ends with a double
// click or a change of shape or tool.
class TSegmentedLineShape final : public TObjectGesture {
public:
    void Down(TDefineNet& net, QPoint point) override;
    void Move(TDefineNet& net, QPoint point) override;
    void Up(TDefineNet& net, QPoint point) override;
    void DoubleClick(TDefineNet& net, QPoint point) override;
    void Leave(TDefineNet& net) override;
    void Paint(QPainter& painter) const override;

    bool LineOpen() const { return line_ != nullptr; }

private:
    void Finish(TDefineNet& net);

    TGraphObject* line_ = nullptr;  // owned by the overlay list
    bool swallowNextPress_ = false;
    bool dragging_ = false;
    QPolygon pixels_;
    QPoint lastFixed_;
    QPoint end_;
    TPixelRect box_;
};

}  // namespace tarn
