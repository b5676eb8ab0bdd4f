#pragma once

#include "exchange/BmpCodec.h"

#include <array>

namespace tarn {

// The twenty colours a 256-colour display keeps for itself: the first ten
// open the colour table of a 256-colour picture, the last ten close it.
const std::array<TDibPicture::Rgb, 20>& StaticColours();

// Reduces a true-colour picture to 256 colours for 8-bit displays: the 226
// most frequent colours of a 16 x 32 x 32 histogram of red, green and blue,
// framed by the static colours, each pixel taking the nearest table entry
// (the smallest sum of channel differences, the first entry winning a tie).
TIndexedPicture ReduceTo256Colours(const TDibPicture& picture);

}  // namespace tarn
