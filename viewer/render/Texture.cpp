// Textures for the overlay scheme and the textured sky, built from BMP
// files into texture objects.
#include "model/Errors.h"
#include "exchange/BmpCodec.h"
#include "viewer/render/OverlayPainter.h"
#include "viewer/render/ViewNet.h"

#include <GL/gl.h>

#include <cmath>

namespace tarn {

namespace {

// The square texture side for a picture: the nearest of 512, 1024 and 2048
// to the mean of its sides when large sizes are allowed, else 512.
int TextureSide(int width, int height, bool largeSizeAllowed)
{
    if (!largeSizeAllowed)
        return 512;
    const double m = std::nearbyint((width + height + 1) * 0.5);
    return m > 1024 ? 2048 : (m > 512 ? 1024 : 512);
}

// The picture stretched onto side x side pixels (nearest sample), as rows
// from the bottom up, RGB or RGBA with alpha from the brightness.
std::vector<std::uint8_t> StretchedTexels(const TDibPicture& picture, int side, bool withAlpha)
{
    const int components = withAlpha ? 4 : 3;
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(side) * side * components);
    std::size_t at = 0;
    for (int row = 0; row < side; ++row) {
        // Texture row 0 is the bottom of the picture.
        const int y = picture.height - 1 - static_cast<int>(static_cast<long long>(row) * picture.height / side);
        for (int column = 0; column < side; ++column) {
            const int x = static_cast<int>(static_cast<long long>(column) * picture.width / side);
            const auto pixel = picture.PixelAt(x, y);
            texels[at++] = pixel.red;
            texels[at++] = pixel.green;
            texels[at++] = pixel.blue;
            if (withAlpha)
                texels[at++] = static_cast<std::uint8_t>((pixel.red + pixel.green + pixel.blue) / 3);
        }
    }
    return texels;
}

}  // namespace

bool TViewNet::LoadTexture(const std::filesystem::path& file, unsigned texture, bool largeSizeAllowed,
                           bool drawOverlayObjects, bool withAlpha)
{
    TDibPicture picture;
    try {
        picture = ReadBmpFile(file);
    } catch (const ETarnError&) {
        return false;
    }
    if (drawOverlayObjects && MapHeader.Columns > 1 && MapHeader.Rows > 1)
        PaintOverlayObjects(picture, Overlays, static_cast<double>(picture.width) / (MapHeader.Columns - 1),
                            static_cast<double>(picture.height) / (MapHeader.Rows - 1));
    const int side = TextureSide(picture.width, picture.height, largeSizeAllowed);
    const auto texels = StretchedTexels(picture, side, withAlpha);

    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, withAlpha ? 4 : 3, side, side, 0, withAlpha ? GL_RGBA : GL_RGB,
                 GL_UNSIGNED_BYTE, texels.data());
    return true;
}

}  // namespace tarn
