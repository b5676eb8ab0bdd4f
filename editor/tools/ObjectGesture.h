// ObjectGesture.h: what one shape of the objects tool does with the mouse,
// and the steps the shapes share.
#pragma once

#include "model/GraphObj.h"
#include "model/Handles.h"

#include <QPoint>

#include <functional>
#include <memory>

class QPainter;

namespace tarn {

class TDefineNet;

// The mouse gesture of one shape of the objects tool. Positions are picture
// pixels, already limited to the picture.
class TObjectGesture {
public:
    virtual ~TObjectGesture() = default;

    virtual void Down(TDefineNet& net, QPoint point) = 0;
    virtual void Move(TDefineNet&, QPoint) {}
    virtual void Up(TDefineNet&, QPoint) {}
    virtual void DoubleClick(TDefineNet&, QPoint) {}
    // The shape or the tool changes: finish or drop what is half done.
    virtual void Leave(TDefineNet&) {}
    // Rubber lines and selection handles over the map picture.
    virtual void Paint(QPainter&) const {}
};

TPixel ToPixel(QPoint point);

// The smallest box holding both points.
TPixelRect BoxOf(QPoint a, QPoint b);
// The box widened to hold the point.
TPixelRect Widened(const TPixelRect& box, QPoint point);

// Appends a pixel position to the object's points, in grid units.
void AddPixelPoint(TDefineNet& net, TGraphObject& object, QPoint point);

// Gives a newly drawn object its bounds from the pixel box and the current
// pen; then it joins the end of the overlay list (unless it is already
// there) and shows in the map picture at once.
void FinishDrawnObject(TDefineNet& net, std::unique_ptr<TGraphObject> object, const TPixelRect& box);
void FinishListedObject(TDefineNet& net, TGraphObject& object, const TPixelRect& box);

// Draws the map picture anew around a pixel frame widened by `margin` pixels.
void RedrawAround(TDefineNet& net, const TPixelRect& frame, int margin);

// Draws rubber lines: `draw` runs once with a wide white pen and once with
// a thin black one over it, so the lines show on any map colour.
void PaintRubber(QPainter& painter, const std::function<void(QPainter&)>& draw);

}  // namespace tarn
