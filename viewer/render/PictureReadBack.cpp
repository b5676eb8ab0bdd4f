#include "viewer/render/PictureReadBack.h"

#include <GL/gl.h>

#include <utility>

namespace tarn {

TDibPicture ReadPicture(int width, int height)
{
    TDibPicture picture = TDibPicture::Blank(width, height);
    if (width <= 0 || height <= 0)
        return picture;
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, picture.bits.data());
    const int stride = picture.Stride();
    for (int row = 0; row < height; ++row) {
        std::uint8_t* pixel = picture.bits.data() + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < width; ++x, pixel += 3)
            std::swap(pixel[0], pixel[2]);
    }
    return picture;
}

}  // namespace tarn
