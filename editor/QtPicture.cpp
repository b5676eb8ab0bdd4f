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

TDibPicture ToDibPicture(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    TDibPicture picture = TDibPicture::Blank(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            picture.SetPixel(x, y, {static_cast<std::uint8_t>(qRed(line[x])), static_cast<std::uint8_t>(qGreen(line[x])),
                                    static_cast<std::uint8_t>(qBlue(line[x]))});
    }
    return picture;
}

}  // namespace tarn
