#include "editor/QtPicture.h"

namespace tarn {

QImage ToQImage(const TDibPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const TDibPicture::Rgb pixel = picture.PixelAt(x, y);
            line[x] = qRgb(pixel.red, pixel.green, pixel.blue);
        }
    }
    return image;
}

}  // namespace tarn
