#pragma once

#include "exchange/BmpCodec.h"

#include <QImage>

namespace tarn {

// The picture as a 32-bit Qt image, for drawing with QPainter.
QImage ToQImage(const TDibPicture& picture);
// The image as a 24-bit picture for the BMP writer.
TDibPicture ToDibPicture(const QImage& image);

}  // namespace tarn
