#pragma once

#include "editor/tools/ObjectGesture.h"

#include <QPolygon>

namespace tarn {

// Freehand pen: every position the mouse passes while held becomes a point
// of one pen stroke.
class TPenShape final : public TObjectGesture {
public:
    void Down(TDefineNet& net, QPoint point) override;
    void Move(TDefineNet& net, QPoint point) override;
    void Up(TDefineNet& net, QPoint point) override;
    void Leave(TDefineNet& net) override;
    void Paint(QPainter& painter) const override;

private:
    std::unique_ptr<TGraphObject> stroke_;
    QPolygon pixels_;
    TPixelRect box_;
};

}  // namespace tarn
