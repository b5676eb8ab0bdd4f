#pragma once

#include "exchange/BmpCodec.h"
#include "model/Colour.h"
#include "model/Errors.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

namespace tarn {

class IProgress;

// Random integers for Fractalize.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    // An integer from 0 to limit - 1; 0 when the limit is not positive.
    virtual int Below(int limit) = 0;
};

// Random integers from a Mersenne twister; seed it from the clock for a
// different picture every time.
class TSeededRandom final : public IRandomSource {
public:
    explicit TSeededRandom(std::uint32_t seed) : engine_(seed) {}
    int Below(int limit) override
    {
        return limit > 0 ? std::uniform_int_distribution<int>(0, limit - 1)(engine_) : 0;
    }

private:
    std::mt19937 engine_;
};

// The memory bitmap could not be made.
class EMSCreateFail : public ETarnError {
public:
    using ETarnError::ETarnError;
};

// A true-colour picture built pixel by pixel in memory, with no display
// involved, and written to disk in one step as a 24-bit BMP file or reduced
// to 256 colours. The pixel rows are held exactly as the 24-bit file stores
// them (bottom row first, blue, green, red, rows padded to 4 bytes), behind
// a 54-byte header.
//
// Columns x run from 0 (left) to width - 1, rows y from 1 (top) to height.
// Rectangle operations take (left, bottom, right, top) with both edges
// included, and limit themselves to the picture.
class TMSBitmap {
public:
    // A picture filled with red 63, green 127, blue 255. Throws EMSCreateFail
    // msg::MemoryBitmapCreateFailed when the size is not positive, too large
    // for a BMP file, or the memory cannot be had.
    TMSBitmap(int width, int height);

    int Width() const { return picture_.width; }
    int Height() const { return picture_.height; }
    std::size_t RowBytes() const { return static_cast<std::size_t>(picture_.Stride()); }
    std::size_t FileSize() const { return kBmpHeadersSize + picture_.bits.size(); }

    // Black outside the picture; writes outside it are ignored.
    TColorRef GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColorRef colour);

    // A right edge left of the left edge is raised to it and a bottom above
    // the top lowered to it, so a reversed rectangle covers one column or row.
    void FillRect(TColorRef colour, int left, int bottom, int right, int top);
    // Adds delta to the red, green and blue of every pixel, each kept in 0..255.
    void Brighten(int delta, int left, int bottom, int right, int top);

    struct TArea {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    struct TFractalizeOptions {
        int amplitude = 0;
        bool brighten = false;  // brighten blocks rather than paint them from their corners
        int cornerMode = 0;     // 1: one random corner; otherwise the mean of the four
        int minimumBlock = 1;
        int startBlock = 1;
    };
    // Roughens the area by random block subdivision, from blocks of the start
    // size halving down to the minimum size. Reports the percentage done to
    // the progress observer when one is given; runs to completion.
    void Fractalize(const TArea& area, const TFractalizeOptions& options, IRandomSource& random,
                    IProgress* progress);

    // The 24-bit BMP file image.
    std::vector<std::uint8_t> Image() const { return EncodeBmp(picture_); }
    const TDibPicture& Picture() const { return picture_; }

    // Throw ETarnError msg::ErrorWritingPicture when the file cannot be written.
    void SaveTo24Bit(const std::filesystem::path& file) const;
    void SaveTo256Colours(const std::filesystem::path& file) const;

private:
    // The rectangle made whole and limited to the picture, as 0-based rows;
    // false when nothing of it lies on the picture.
    bool Clip(int& left, int& bottom, int& right, int& top) const;

    TDibPicture picture_;
};

}  // namespace tarn
