#pragma once

#include "model/edits/RgbPicture.h"

#include <QImage>

namespace tarn {

// The picture's colours as plain 0xRRGGBB pixels; a null image gives an
// empty picture.
TRgbPicture ToRgbPicture(const QImage& image);

}  // namespace tarn
