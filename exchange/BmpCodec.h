#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace tarn {

// Bytes in one stored row of a BMP picture: the pixels' bits rounded up to
// whole 32-bit words, so every row starts on a 4-byte boundary.
constexpr std::size_t BmpRowBytes(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

// Bytes before the pixels of the files written here: the 14-byte file header
// and the 40-byte information header, then the colour table if any.
inline constexpr std::size_t kBmpHeadersSize = 54;

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

// An 8-bit picture: a 256-entry colour table and one table index per pixel,
// rows bottom-up and padded like a BMP file's.
struct TIndexedPicture {
    int width = 0;
    int height = 0;
    std::array<TDibPicture::Rgb, 256> colours{};
    std::vector<std::uint8_t> indexes;

    int Stride() const { return static_cast<int>(BmpRowBytes(width, 8)); }
    static TIndexedPicture Blank(int width, int height);
    // Index of pixel (x, y) counted from the top-left corner.
    std::uint8_t& IndexAt(int x, int y);
};

// The whole BMP file of a picture: uncompressed, a 40-byte information
// header, rows as they are held; the 8-bit picture with its colour table.
std::vector<std::uint8_t> EncodeBmp(const TDibPicture& picture);
std::vector<std::uint8_t> EncodeBmp(const TIndexedPicture& picture);

// Writes the file; throws ETarnError msg::ErrorWritingPicture when the file
// cannot be written.
void WriteBmpFile(const std::filesystem::path& path, const TDibPicture& picture);
void WriteBmpFile(const std::filesystem::path& path, const TIndexedPicture& picture);

// Reads a BMP file of 1, 4, 8, 24 or 32 bits per pixel, top-down or
// bottom-up, uncompressed or run-length encoded (4 and 8 bits), into a
// 24-bit picture. Throws EInvalidData msg::UnreadablePicture for anything
// else, before allocating more than the header's sizes allow for the file's
// length.
TDibPicture ReadBmpFile(const std::filesystem::path& path);
TDibPicture ReadBmpBytes(std::span<const std::uint8_t> bytes);

// The width and height a BMP file's headers give, checked as ReadBmpBytes
// checks them, without decoding the pixels.
struct TPictureSize {
    int width = 0;
    int height = 0;
};
TPictureSize ReadBmpSize(std::span<const std::uint8_t> bytes);

}  // namespace tarn
