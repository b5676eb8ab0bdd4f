#pragma once

#include "exchange/BmpCodec.h"

#include <QImage>

namespace tarn {

// The bottom-up 24-bit picture as a top-down QImage, for painting and the
// clipboard.
QImage ImageOf(const TDibPicture& picture);

}  // namespace tarn
