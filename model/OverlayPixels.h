#pragma once

#include <cstdint>

namespace tarn {

// Where overlay objects and labels land on a picture. Both painters place
// them by these rules, so the map canvas and the overlay texture agree.

// The farthest a pixel position reaches from the picture's origin: far
// beyond any picture, yet leaving an int room for the sums drawing makes.
inline constexpr int kPixelLimit = 1 << 24;

// The pixel a position falls on: the nearest whole number (ties to even),
// held within ±kPixelLimit, so any coordinate a file holds converts safely.
int RoundToPixel(double position);

// The pixel a coordinate in grid units lands on at `pixelsPerUnit`.
int GridToPixel(double coordinate, double pixelsPerUnit);

// The tallest label font drawn, in pixels.
inline constexpr int kMaxLabelPixelHeight = 2048;

// A label's font height in pixels for its point size on a screen of `dpi`
// dots per inch: dpi * pointSize div 72, at least 1 and at most
// kMaxLabelPixelHeight.
int LabelPixelHeight(std::int32_t pointSize, int dpi);

}  // namespace tarn
