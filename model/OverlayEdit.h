// OverlayEdit.h: the operations the objects tool performs on a map's overlay
// list: finding the object under the mouse, moving and resizing its frame
// inside the picture, fitting its points to a new frame, and restacking or
// removing it. Frames are in picture pixels; objects keep grid units.
#pragma once

#include "model/Colour.h"
#include "model/GraphObj.h"
#include "model/Handles.h"

#include <memory>
#include <vector>

namespace tarn {

using TOverlayList = std::vector<std::unique_ptr<TGraphObject>>;

// The pixel frame of an object's bounding box at `scale` pixels per grid
// unit: each edge rounded, left/right and top/bottom put in order.
TPixelRect ObjectFrame(const TGraphObject& object, double scale);

// The object a press at `point` selects: the first in list order whose frame
// contains the point or has a handle under it. `handle` is that handle's
// code (0 when the press is inside the frame but on no handle).
struct TOverlayHit {
    TGraphObject* object = nullptr;
    TPixelRect frame;
    int handle = 0;
};
TOverlayHit OverlayAt(const TOverlayList& overlays, TPixel point, double scale);

// The frame moved so that its top left lands on `topLeft`, then pushed back
// inside a picture of width by height pixels, keeping its size.
TPixelRect MoveFrame(const TPixelRect& frame, TPixel topLeft, int width, int height);

// The frame with the edges the handle holds (code as HandleAt gives it)
// moved to `point`.
TPixelRect ResizeFrame(const TPixelRect& frame, int handle, TPixel point);

// Maps every point of the object from the pixel frame `from` to the pixel
// frame `to` and makes `to` its bounding box. A frame without width (or
// height) cannot be scaled, so the points are then shifted along that axis.
void FitObjectToFrame(TGraphObject& object, const TPixelRect& from, const TPixelRect& to, double scale);

// Gives a newly drawn object its bounding box (the pixel box, widened by one
// pixel on a side that has no size), its pen colour and its pen width.
void FinishObject(TGraphObject& object, TPixelRect box, double scale, TColorRef colour, int width);

// Whether the object is (still) in the list.
bool InOverlays(const TOverlayList& overlays, const TGraphObject* object);

// Swaps the object with the last of the list (drawn last, on top) or with
// the first (drawn first, underneath); false when it is not in the list.
bool SendToBack(TOverlayList& overlays, const TGraphObject* object);
bool BringToFront(TOverlayList& overlays, const TGraphObject* object);

// Removes the object from the list, which discards it; false when it is not
// in the list.
bool DeleteOverlay(TOverlayList& overlays, const TGraphObject* object);

}  // namespace tarn
