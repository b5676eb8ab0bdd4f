#pragma once

#include "editor/tools/ObjectGesture.h"

namespace tarn {

// Select: a press selects the first object under the mouse and shows its
// eight handles; dragging moves it (a symbol always) or, from a handle,
// resizes it; the release fits the object's points to the new frame.
class TSelectShape final : public TObjectGesture {
public:
    // Margin in pixels redrawn around a moved object's old and new frame.
    static constexpr int kMoveMargin = 5;

    void Down(TDefineNet& net, QPoint point) override;
    void Move(TDefineNet& net, QPoint point) override;
    void Up(TDefineNet& net, QPoint point) override;
    void Leave(TDefineNet& net) override;
    void Paint(QPainter& painter) const override;

    // The selected object; it may have left the overlay list since.
    TGraphObject* Selected() const { return selected_; }
    const TPixelRect& SelectionFrame() const { return selectionFrame_; }
    void Deselect(TDefineNet& net);

private:
    TGraphObject* selected_ = nullptr;  // owned by the overlay list
    TPixelRect selectionFrame_;
    TPixelRect dragFrame_;
    int grabbedHandle_ = 0;
    TPixel grabOffset_;
    bool dragging_ = false;
};

}  // namespace tarn
