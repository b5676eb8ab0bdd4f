#pragma once

#include "model/Colour.h"

#include <array>

namespace tarn {

// Heights are shown in 15 bands between a low and a high height.
inline constexpr int kHeightBands = 15;
inline constexpr int kHighestBand = kHeightBands - 1;

// Band colours by table index: 0 gray (the highest band) to 14 black (the
// lowest), then 15 white for Null.
inline constexpr std::array<TColorRef, kHeightBands + 1> kBandColourTable{
    RGB(128, 128, 128), RGB(192, 192, 192), RGB(0, 128, 128), RGB(0, 255, 0),
    RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(255, 255, 0), RGB(255, 0, 0),
    RGB(128, 0, 0),     RGB(128, 0, 128),   RGB(255, 0, 255), RGB(0, 255, 255),
    RGB(0, 0, 255),     RGB(0, 0, 128),     RGB(0, 0, 0),     RGB(255, 255, 255)};

}  // namespace tarn
