#include "model/OverlayEdit.h"

#include "model/OverlayPixels.h"

#include <algorithm>
#include <utility>

namespace tarn {

namespace {

TOverlayList::iterator Find(TOverlayList& overlays, const TGraphObject* object)
{
    return std::find_if(overlays.begin(), overlays.end(), [object](const auto& entry) { return entry.get() == object; });
}

bool Inside(TPixel point, const TPixelRect& frame)
{
    return point.x >= frame.left && point.x <= frame.right && point.y >= frame.top && point.y <= frame.bottom;
}

// One coordinate carried from the span [oldLow, oldHigh] to [newLow, newHigh].
double MapCoordinate(double pixel, int oldLow, int oldHigh, int newLow, int newHigh)
{
    if (oldHigh == oldLow)
        return pixel - oldLow + newLow;
    return (pixel - oldLow) * (newHigh - newLow) / (oldHigh - oldLow) + newLow;
}

std::array<Real48, 4> GridBounds(const TPixelRect& box, double scale)
{
    return {Real48::fromDouble(box.left / scale), Real48::fromDouble(box.top / scale),
            Real48::fromDouble(box.right / scale), Real48::fromDouble(box.bottom / scale)};
}

bool SwapWith(TOverlayList& overlays, const TGraphObject* object, std::size_t other)
{
    const auto found = Find(overlays, object);
    if (found == overlays.end())
        return false;
    std::swap(*found, overlays[other]);
    return true;
}

}  // namespace

TPixelRect ObjectFrame(const TGraphObject& object, double scale)
{
    const int left = GridToPixel(object.Bounds[0].toDouble(), scale);
    const int top = GridToPixel(object.Bounds[1].toDouble(), scale);
    const int right = GridToPixel(object.Bounds[2].toDouble(), scale);
    const int bottom = GridToPixel(object.Bounds[3].toDouble(), scale);
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

TOverlayHit OverlayAt(const TOverlayList& overlays, TPixel point, double scale)
{
    for (const auto& object : overlays) {
        const TPixelRect frame = ObjectFrame(*object, scale);
        const int handle = HandleAt(point, frame).code;
        if (handle != 0 || Inside(point, frame))
            return {object.get(), frame, handle};
    }
    return {};
}

TPixelRect MoveFrame(const TPixelRect& frame, TPixel topLeft, int width, int height)
{
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    TPixelRect moved{topLeft.x, topLeft.y, topLeft.x + frameWidth, topLeft.y + frameHeight};
    if (moved.right > width) {
        moved.right = width;
        moved.left = width - frameWidth;
    }
    if (moved.bottom > height) {
        moved.bottom = height;
        moved.top = height - frameHeight;
    }
    if (moved.left < 0) {
        moved.left = 0;
        moved.right = frameWidth;
    }
    if (moved.top < 0) {
        moved.top = 0;
        moved.bottom = frameHeight;
    }
    return moved;
}

TPixelRect ResizeFrame(const TPixelRect& frame, int handle, TPixel point)
{
    TPixelRect resized = frame;
    const int column = handle % 10;
    const int row = handle / 10;
    if (column == 1)
        resized.left = point.x;
    else if (column == 3)
        resized.right = point.x;
    if (row == 1)
        resized.top = point.y;
    else if (row == 3)
        resized.bottom = point.y;
    return resized;
}

void FitObjectToFrame(TGraphObject& object, const TPixelRect& from, const TPixelRect& to, double scale)
{
    for (TGraphPoint& point : object.Points) {
        const double x = MapCoordinate(point.X.toDouble() * scale, from.left, from.right, to.left, to.right);
        const double y = MapCoordinate(point.Y.toDouble() * scale, from.top, from.bottom, to.top, to.bottom);
        point = {Real48::fromDouble(x / scale), Real48::fromDouble(y / scale)};
    }
    object.Bounds = GridBounds(to, scale);
}

void FinishObject(TGraphObject& object, TPixelRect box, double scale, TColorRef colour, int width)
{
    if (box.right == box.left)
        ++box.right;
    if (box.bottom == box.top)
        ++box.bottom;
    object.Bounds = GridBounds(box, scale);
    object.PenColour = colour;
    object.PenWidth = static_cast<std::uint8_t>(std::clamp(width, 0, 255));
}

bool InOverlays(const TOverlayList& overlays, const TGraphObject* object)
{
    return object != nullptr && std::any_of(overlays.begin(), overlays.end(),
                                             [object](const auto& entry) { return entry.get() == object; });
}

bool SendToBack(TOverlayList& overlays, const TGraphObject* object)
{
    return !overlays.empty() && SwapWith(overlays, object, overlays.size() - 1);
}

bool BringToFront(TOverlayList& overlays, const TGraphObject* object)
{
    return !overlays.empty() && SwapWith(overlays, object, 0);
}

bool DeleteOverlay(TOverlayList& overlays, const TGraphObject* object)
{
    const auto found = Find(overlays, object);
    if (found == overlays.end())
        return false;
    overlays.erase(found);
    return true;
}

}  // namespace tarn
