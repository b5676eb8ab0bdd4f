#include "exchange/MSBitmap.h"

#include "exchange/ColourReduction.h"
#include "exchange/ExchangeMessages.h"

#include <algorithm>
#include <limits>
#include <new>

namespace tarn {

namespace {

constexpr TColorRef kNewPictureColour = RGB(63, 127, 255);

TDibPicture::Rgb ToRgb(TColorRef colour)
{
    return {static_cast<std::uint8_t>(RedOf(colour)), static_cast<std::uint8_t>(GreenOf(colour)),
            static_cast<std::uint8_t>(BlueOf(colour))};
}

std::uint8_t Shifted(std::uint8_t channel, int delta)
{
    return static_cast<std::uint8_t>(std::clamp(channel + std::clamp(delta, -255, 255), 0, 255));
}

}  // namespace

TMSBitmap::TMSBitmap(int width, int height)
{
    // The file's size field is 32 bits wide.
    const bool fits = width > 0 && height > 0 &&
                      static_cast<double>(BmpRowBytes(width, 24)) * height + kBmpHeadersSize <=
                          std::numeric_limits<std::uint32_t>::max();
    if (!fits)
        throw EMSCreateFail(msg::MemoryBitmapCreateFailed);
    try {
        picture_ = TDibPicture::Blank(width, height);
    } catch (const std::bad_alloc&) {
        throw EMSCreateFail(msg::MemoryBitmapCreateFailed);
    }
    FillRect(kNewPictureColour, 0, height, width - 1, 1);
}

TColorRef TMSBitmap::GetPixel(int x, int y) const
{
    if (x < 0 || x >= Width() || y < 1 || y > Height())
        return kBlack;
    const auto pixel = picture_.PixelAt(x, y - 1);
    return RGB(pixel.red, pixel.green, pixel.blue);
}

void TMSBitmap::SetPixel(int x, int y, TColorRef colour)
{
    if (x >= 0 && x < Width() && y >= 1 && y <= Height())
        picture_.SetPixel(x, y - 1, ToRgb(colour));
}

bool TMSBitmap::Clip(int& left, int& bottom, int& right, int& top) const
{
    right = std::max(right, left);
    bottom = std::max(bottom, top);
    left = std::max(left, 0);
    right = std::min(right, Width() - 1);
    top = std::max(top, 1) - 1;
    bottom = std::min(bottom, Height()) - 1;
    return left <= right && top <= bottom;
}

void TMSBitmap::FillRect(TColorRef colour, int left, int bottom, int right, int top)
{
    if (!Clip(left, bottom, right, top))
        return;
    const auto rgb = ToRgb(colour);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            picture_.SetPixel(x, y, rgb);
}

void TMSBitmap::Brighten(int delta, int left, int bottom, int right, int top)
{
    if (!Clip(left, bottom, right, top))
        return;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const auto pixel = picture_.PixelAt(x, y);
            picture_.SetPixel(x, y, {Shifted(pixel.red, delta), Shifted(pixel.green, delta), Shifted(pixel.blue, delta)});
        }
}

void TMSBitmap::SaveTo24Bit(const std::filesystem::path& file) const { WriteBmpFile(file, picture_); }

void TMSBitmap::SaveTo256Colours(const std::filesystem::path& file) const
{
    WriteBmpFile(file, ReduceTo256Colours(picture_));
}

}  // namespace tarn
