#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tarn {

// Bytes in one stored row of a BMP picture: the pixels' bits rounded up to
// whole 32-bit words, so every row starts on a 4-byte boundary.
constexpr std::size_t BmpRowBytes(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

// A 24-bit picture laid out as a bottom-up device-independent bitmap: rows
// from the bottom of the picture up, each pixel blue, green, red, each row
// padded with zeros to a multiple of 4 bytes.
struct TDibPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    static int StrideFor(int width) { return static_cast<int>(BmpRowBytes(width, 24)); }
    int Stride() const { return StrideFor(width); }

    // A picture of the given size, all black.
    static TDibPicture Blank(int width, int height);

    // Pixel (x, y) counted from the top-left corner, as red, green, blue.
    struct Rgb {
        std::uint8_t red = 0, green = 0, blue = 0;
        friend bool operator==(const Rgb&, const Rgb&) = default;
    };
    Rgb PixelAt(int x, int y) const;
    void SetPixel(int x, int y, Rgb colour);
};

// Writes the picture as an uncompressed 24-bit BMP file (file header, a
// 40-byte information header, then the rows as they are held). Throws
// ETarnError msg::ErrorWritingPicture when the file cannot be written.
void WriteBmpFile(const std::filesystem::path& path, const TDibPicture& picture);

// Reads an uncompressed BMP file of 1, 4, 8, 24 or 32 bits per pixel, top-down
// or bottom-up, into a 24-bit picture. Throws EInvalidData
// msg::UnreadablePicture for anything else, before allocating more than the
// header's sizes allow for the file's length.
TDibPicture ReadBmpFile(const std::filesystem::path& path);
TDibPicture ReadBmpBytes(const std::vector<std::uint8_t>& bytes);

}  // namespace tarn
