#include "exchange/BmpRle.h"

namespace tarn {

namespace {

// Writes pixels into the unpacked rows, ignoring those off the picture.
class TRowWriter {
public:
    TRowWriter(std::vector<std::uint8_t>& out, int width, int height) : out_(out), width_(width), height_(height) {}

    void Put(std::uint8_t index)
    {
        if (x_ < width_ && y_ < height_)
            out_[static_cast<std::size_t>(y_) * width_ + x_] = index;
        ++x_;
    }
    void NextRow()
    {
        x_ = 0;
        ++y_;
    }
    void Move(int dx, int dy)
    {
        x_ += dx;
        y_ += dy;
    }
    bool Done() const { return y_ >= height_; }

private:
    std::vector<std::uint8_t>& out_;
    int width_;
    int height_;
    long long x_ = 0;
    int y_ = 0;
};

}  // namespace

std::vector<std::uint8_t> UnpackBmpRuns(std::span<const std::uint8_t> data, int width, int height, int bitsPerPixel)
{
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    TRowWriter rows(out, width, height);
    const bool nibbles = bitsPerPixel == 4;
    // The index of pixel i of a run or group made from one byte.
    const auto pixel = [nibbles](std::uint8_t byte, int i) -> std::uint8_t {
        return nibbles ? static_cast<std::uint8_t>(i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte;
    };
    std::size_t at = 0;
    while (at + 1 < data.size() && !rows.Done()) {
        const int count = data[at];
        const std::uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                rows.Put(pixel(value, i));
            continue;
        }
        switch (value) {
        case 0:
            rows.NextRow();
            break;
        case 1:
            return out;
        case 2:
            if (at + 1 >= data.size())
                return out;
            rows.Move(data[at], data[at + 1]);
            at += 2;
            break;
        default: {
            // An absolute group of `value` pixels, padded to a 16-bit boundary.
            const std::size_t bytes = nibbles ? (value + 1u) / 2 : value;
            for (int i = 0; i < value; ++i) {
                const std::size_t source = at + (nibbles ? static_cast<std::size_t>(i / 2) : static_cast<std::size_t>(i));
                if (source >= data.size())
                    return out;
                rows.Put(pixel(data[source], i));
            }
            at += bytes + bytes % 2;
            break;
        }
        }
    }
    return out;
}

}  // namespace tarn
