#include "editor/TracePicture.h"

namespace tarn {

TRgbPicture ToRgbPicture(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    TRgbPicture picture{rgb.width(), rgb.height(), {}};
    picture.pixels.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            picture.pixels.push_back(line[x] & kWhiteRgb);
    }
    return picture;
}

}  // namespace tarn
