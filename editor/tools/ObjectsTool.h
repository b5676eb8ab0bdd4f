// ObjectsTool.h: the Edit objects tool, which draws overlay objects in six
// shapes and selects, moves, resizes, restacks, recolours and deletes them.
#pragma once

#include "editor/CanvasTool.h"

#include <array>
#include <memory>

namespace tarn {

class TGraphObject;
class TObjectGesture;
class TSelectShape;

// Shape codes of the objects tool, as the Shape buttons pass them.
enum ObjectShape : int {
    kSelectShape = 1,
    kPenShape = 2,
    kLineShape = 3,
    kSegmentedLineShape = 4,
    kEllipseShape = 5,
    kSymbolShape = 6,
};

class TObjectsTool final : public TCanvasTool {
public:
    TObjectsTool();
    ~TObjectsTool() override;

    void MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void MouseMove(TDefineNet& net, QPoint point) override;
    void MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button) override;
    void DoubleClick(TDefineNet& net, QPoint point) override;
    void ShapeChanging(TDefineNet& net) override;
    void PaintMarks(QPainter& painter) const override;

    // The popup menu's commands on the selected object; each does nothing
    // when no object is selected or it is no longer in the overlay list.
    // Restacking changes the drawing order but draws nothing anew.
    void SendObjToBack(TDefineNet& net);
    void BringObjToFront(TDefineNet& net);
    // The selected object takes the current pen colour and width.
    void UpdateProperties(TDefineNet& net);
    void DeleteOverlay(TDefineNet& net);

    // The selected object, while it is in the overlay list.
    const TGraphObject* SelectedObject(const TDefineNet& net) const;

private:
    TObjectGesture& Gesture(const TDefineNet& net) const;
    TGraphObject* ListedSelection(const TDefineNet& net) const;

    std::array<std::unique_ptr<TObjectGesture>, kSymbolShape + 1> gestures_;
    TSelectShape* select_;
};

}  // namespace tarn
