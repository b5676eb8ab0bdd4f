#pragma once

#include "editor/tools/ObjectGesture.h"

namespace tarn {

// Symbol: a spot mark placed where the mouse is released, unless that is
// outside the map picture.
class TSymbolShape final : public TObjectGesture {
public:
    // Half the side of the box a symbol gets, in pixels.
    static constexpr int kHalfBox = 8;

    void Down(TDefineNet& net, QPoint point) override;
    void Move(TDefineNet& net, QPoint point) override;
    void Up(TDefineNet& net, QPoint point) override;
    void Leave(TDefineNet& net) override;
    void Paint(QPainter& painter) const override;

private:
    std::unique_ptr<TGraphObject> spot_;
    QPoint end_;
};

}  // namespace tarn
