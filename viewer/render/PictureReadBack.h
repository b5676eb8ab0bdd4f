#pragma once

#include "exchange/BmpCodec.h"

namespace tarn {

// Reads width x height pixels of the current GL read buffer from (0, 0) as a
// bottom-up 24-bit picture: the rows come from OpenGL bottom row first,
// padded to 4 bytes as its default pack alignment does, and each pixel is
// turned from RGB into BGR.
TDibPicture ReadPicture(int width, int height);

}  // namespace tarn
