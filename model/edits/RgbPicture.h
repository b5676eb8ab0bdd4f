#pragma once

#include <cstdint>
#include <vector>

namespace tarn {

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
inline constexpr std::uint32_t kRedRgb = 0xFF0000;

// A picture of 24-bit colours, rows from the top, each pixel 0xRRGGBB.
struct TRgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return width <= 0 || height <= 0; }
};

// A picture seen stretched over width x height pixels: each pixel shows the
// source pixel under its centre. An empty source shows white everywhere.
class TStretchedPicture {
public:
    TStretchedPicture(const TRgbPicture& source, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The colour at a pixel inside the stretched picture.
    std::uint32_t At(int x, int y) const;

private:
    const TRgbPicture& source_;
    int width_;
    int height_;
    std::vector<int> sourceColumns_;
    std::vector<int> sourceRows_;
};

}  // namespace tarn
