#include "editor/tools/ObjectsTool.h"

#include "editor/DefNet.h"
#include "editor/tools/DragShape.h"
#include "editor/tools/PenShape.h"
#include "editor/tools/SegmentedLineShape.h"
#include "editor/tools/SelectShape.h"
#include "editor/tools/SymbolShape.h"
#include "model/OverlayEdit.h"

#include <algorithm>

namespace tarn {

namespace {
// Margin in pixels redrawn around an object whose looks changed or that went.
constexpr int kChangeMargin = 15;
}  // namespace

TObjectsTool::TObjectsTool()
{
    auto select = std::make_unique<TSelectShape>();
    select_ = select.get();
    gestures_[kSelectShape] = std::move(select);
    gestures_[kPenShape] = std::make_unique<TPenShape>();
    gestures_[kLineShape] = std::make_unique<TDragShape>(GraphKind::Line);
    gestures_[kSegmentedLineShape] = std::make_unique<TSegmentedLineShape>();
    gestures_[kEllipseShape] = std::make_unique<TDragShape>(GraphKind::Ellipse);
    gestures_[kSymbolShape] = std::make_unique<TSymbolShape>();
}

TObjectsTool::~TObjectsTool() = default;

TObjectGesture& TObjectsTool::Gesture(const TDefineNet& net) const
{
    return *gestures_[static_cast<std::size_t>(std::clamp(net.CurrentShape(), 1, int{kSymbolShape}))];
}

void TObjectsTool::MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button)
{
    // Drawing takes the left button; any button selects, so that the popup
    // menu of the right button acts on the object under the mouse.
    TObjectGesture& gesture = Gesture(net);
    if (button == Qt::LeftButton || &gesture == select_)
        gesture.Down(net, point);
}

void TObjectsTool::MouseMove(TDefineNet& net, QPoint point)
{
    Gesture(net).Move(net, point);
}

void TObjectsTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton button)
{
    TObjectGesture& gesture = Gesture(net);
    if (button == Qt::LeftButton || &gesture == select_)
        gesture.Up(net, point);
}

void TObjectsTool::DoubleClick(TDefineNet& net, QPoint point)
{
    Gesture(net).DoubleClick(net, point);
}

void TObjectsTool::ShapeChanging(TDefineNet& net)
{
    Gesture(net).Leave(net);
}

void TObjectsTool::PaintMarks(QPainter& painter) const
{
    for (const auto& gesture : gestures_)
        if (gesture)
            gesture->Paint(painter);
}

TGraphObject* TObjectsTool::ListedSelection(const TDefineNet& net) const
{
    TGraphObject* selected = select_->Selected();
    return InOverlays(net.Overlays, selected) ? selected : nullptr;
}

const TGraphObject* TObjectsTool::SelectedObject(const TDefineNet& net) const
{
    return ListedSelection(net);
}

void TObjectsTool::SendObjToBack(TDefineNet& net)
{
    if (tarn::SendToBack(net.Overlays, ListedSelection(net)))
        net.MarkModified();
}

void TObjectsTool::BringObjToFront(TDefineNet& net)
{
    if (tarn::BringToFront(net.Overlays, ListedSelection(net)))
        net.MarkModified();
}

void TObjectsTool::UpdateProperties(TDefineNet& net)
{
    TGraphObject* selected = ListedSelection(net);
    if (!selected)
        return;
    selected->PenColour = net.PenColour;
    selected->PenWidth = static_cast<std::uint8_t>(std::clamp(net.PenWidth, 0, 255));
    RedrawAround(net, select_->SelectionFrame(), kChangeMargin);
    net.MarkModified();
}

void TObjectsTool::DeleteOverlay(TDefineNet& net)
{
    if (!tarn::DeleteOverlay(net.Overlays, ListedSelection(net)))
        return;
    select_->Deselect(net);
    RedrawAround(net, select_->SelectionFrame(), kChangeMargin);
    net.MarkModified();
}

}  // namespace tarn
