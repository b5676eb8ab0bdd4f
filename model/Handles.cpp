#include "model/Handles.h"

#include <cstdlib>

namespace tarn {

namespace {
constexpr int kTolerance = 4;

bool near(int a, int b) { return std::abs(a - b) <= kTolerance; }
}  // namespace

std::array<TPixel, 8> HandleCentres(const TPixelRect& box)
{
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    return {{
        {box.left, box.top},
        {box.right, box.top},
        {box.right, box.bottom},
        {box.left, box.bottom},
        {box.left + w / 2, box.top},
        {box.left, box.top + h / 2},
        {box.right - w / 2, box.bottom},
        {box.right, box.bottom - h / 2},
    }};
}

TPixelRect HandleSquare(TPixel centre)
{
    return {centre.x - kTolerance, centre.y - kTolerance, centre.x + kTolerance, centre.y + kTolerance};
}

THandleHit HandleAt(TPixel point, const TPixelRect& box)
{
    const int midX = box.left + (box.right - box.left) / 2;
    const int midY = box.top + (box.bottom - box.top) / 2;
    int code = 0;
    if (near(box.left, point.x))
        code += 1;
    if (near(midX, point.x))
        code += 2;
    if (near(box.right, point.x))
        code += 3;
    if (near(box.top, point.y))
        code += 10;
    if (near(midY, point.y))
        code += 20;
    if (near(box.bottom, point.y))
        code += 30;

    switch (code) {
    case 11:
    case 33:
        return {HandleCursor::SizeNWSE, code};
    case 13:
    case 31:
        return {HandleCursor::SizeNESW, code};
    case 12:
    case 32:
        return {HandleCursor::SizeNS, code};
    case 21:
    case 23:
        return {HandleCursor::SizeWE, code};
    default:
        return {HandleCursor::Arrow, 0};
    }
}

}  // namespace tarn
