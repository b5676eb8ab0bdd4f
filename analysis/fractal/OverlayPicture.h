#pragma once

#include "model/Colour.h"

#include <vector>

namespace tarn::fractal {

// A true-colour picture in memory. Pixels are addressed from the top-left
// corner: column x from 0 to Width() - 1, row y from 0 to Height() - 1.
// Rectangles include both edges and are limited to the picture, so callers
// may hand over blocks that reach past its border.
class TOverlayPicture {
public:
    // Filled with red 63, green 127, blue 255. Throws ETarnError
    // msg::FractalBitmapCreateFailed when a side is not positive, the picture
    // would not fit a BMP file, or the memory cannot be had.
    TOverlayPicture(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

    // Black outside the picture; writes outside it are ignored.
    TColorRef Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColorRef colour);

    void Fill(TColorRef colour, int left, int top, int right, int bottom);
    // Adds delta to the red, green and blue of every pixel, each kept in 0..255.
    void Brighten(int delta, int left, int top, int right, int bottom);

    friend bool operator==(const TOverlayPicture&, const TOverlayPicture&) = default;

private:
    // The rectangle limited to the picture; false when none of it is on it.
    bool Clip(int& left, int& top, int& right, int& bottom) const;

    int width_;
    int height_;
    std::vector<TColorRef> pixels_;
};

}  // namespace tarn::fractal
