#pragma once

#include <array>

namespace tarn {

struct TPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};

struct TPixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const TPixelRect&, const TPixelRect&) = default;
};

// The eight selection handles around an object's box: the four corners, then
// the middles of the top, left, bottom and right sides.
std::array<TPixel, 8> HandleCentres(const TPixelRect& box);
// The square drawn for one handle: four pixels each way around its centre.
TPixelRect HandleSquare(TPixel centre);

enum class HandleCursor { Arrow, SizeNWSE, SizeNESW, SizeNS, SizeWE };

struct THandleHit {
    HandleCursor cursor = HandleCursor::Arrow;
    int code = 0;  // column code 1..3 plus row code 10..30; 0 when no handle
    friend bool operator==(const THandleHit&, const THandleHit&) = default;
};

// Which handle of the box lies within four pixels of the point, as a code of
// column (1 left, 2 middle, 3 right) plus row (10 top, 20 middle, 30 bottom),
// with the sizing cursor that goes with it.
THandleHit HandleAt(TPixel point, const TPixelRect& box);

}  // namespace tarn
