#include "viewer/ui/PictureImage.h"

namespace tarn {

QImage ImageOf(const TDibPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    const int stride = picture.Stride();
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* from = picture.bits.data() + static_cast<std::size_t>(picture.height - 1 - y) * stride;
        std::uint8_t* to = image.scanLine(y);
        for (int x = 0; x < picture.width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return image;
}

}  // namespace tarn
