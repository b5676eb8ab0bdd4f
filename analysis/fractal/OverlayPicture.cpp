#include "analysis/fractal/OverlayPicture.h"

#include "analysis/fractal/FractalMessages.h"
#include "model/Errors.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

namespace tarn::fractal {

namespace {

constexpr TColorRef kNewPictureColour = RGB(63, 127, 255);

// The picture is written as a 24-bit BMP file, whose size field is 32 bits.
bool FitsBmpFile(int width, int height)
{
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    return rowBytes * static_cast<std::uint64_t>(height) + 54 <= std::numeric_limits<std::uint32_t>::max();
}

std::vector<TColorRef> NewPixels(int width, int height)
{
    if (width <= 0 || height <= 0 || !FitsBmpFile(width, height))
        throw ETarnError(msg::FractalBitmapCreateFailed);
    try {
        return std::vector<TColorRef>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                      kNewPictureColour);
    } catch (const std::bad_alloc&) {
        throw ETarnError(msg::FractalBitmapCreateFailed);
    }
}

int Shifted(int channel, int delta) { return std::clamp(channel + delta, 0, 255); }

}  // namespace

TOverlayPicture::TOverlayPicture(int width, int height)
    : width_(width), height_(height), pixels_(NewPixels(width, height))
{
}

TColorRef TOverlayPicture::Pixel(int x, int y) const
{
    return Contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : kBlack;
}

void TOverlayPicture::SetPixel(int x, int y, TColorRef colour)
{
    if (Contains(x, y))
        pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

bool TOverlayPicture::Clip(int& left, int& top, int& right, int& bottom) const
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    return left <= right && top <= bottom;
}

void TOverlayPicture::Fill(TColorRef colour, int left, int top, int right, int bottom)
{
    if (!Clip(left, top, right, bottom))
        return;
    for (int y = top; y <= bottom; ++y) {
        auto* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
        std::fill(row + left, row + right + 1, colour);
    }
}

void TOverlayPicture::Brighten(int delta, int left, int top, int right, int bottom)
{
    if (!Clip(left, top, right, bottom))
        return;
    delta = std::clamp(delta, -255, 255);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            TColorRef& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
            pixel = RGB(Shifted(RedOf(pixel), delta), Shifted(GreenOf(pixel), delta), Shifted(BlueOf(pixel), delta));
        }
    }
}

}  // namespace tarn::fractal
