#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tarn {

// Unpacks the run-length encoded pixels of a 4-bit or 8-bit BMP picture
// (compression 2 or 1) into one colour-table index per pixel, rows from the
// bottom up, `width` indexes to a row. Runs and absolute groups that cross
// the right edge are cut there; pixels the data never reaches, after an end
// of picture, a jump or the end of the data, keep index 0.
std::vector<std::uint8_t> UnpackBmpRuns(std::span<const std::uint8_t> data, int width, int height, int bitsPerPixel);

}  // namespace tarn
