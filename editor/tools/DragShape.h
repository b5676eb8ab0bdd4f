#pragma once

#include "editor/tools/ObjectGesture.h"

namespace tarn {

// Straight line and ellipse: press at one end (or corner), drag a rubber
// line (or ellipse) and release at the other.
class TDragShape final : public TObjectGesture {
public:
    explicit TDragShape(GraphKind kind) : kind_(kind) {}

    void Down(TDefineNet& net, QPoint point) override;
    void Move(TDefineNet& net, QPoint point) override;
    void Up(TDefineNet& net, QPoint point) override;
    void Leave(TDefineNet& net) override;
    void Paint(QPainter& painter) const override;

private:
    GraphKind kind_;
    std::unique_ptr<TGraphObject> object_;
    QPoint start_;
    QPoint end_;
};

}  // namespace tarn
