#include "exchange/BmpCodec.h"

#include "exchange/ExchangeMessages.h"
#include "model/AtomicFile.h"
#include "model/ByteIO.h"
#include "model/Errors.h"

#include <fstream>
#include <iterator>

namespace tarn {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Pictures wider or taller than this, or of more pixels, are refused as
// damaged files: a 1-bit file of legal length would otherwise unpack into
// gigabytes.
constexpr std::int32_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

[[noreturn]] void Refuse() { throw EInvalidData(msg::UnreadablePicture); }

}  // namespace

TDibPicture TDibPicture::Blank(int width, int height)
{
    TDibPicture picture;
    picture.width = width;
    picture.height = height;
    picture.bits.assign(static_cast<std::size_t>(StrideFor(width)) * static_cast<std::size_t>(height), 0);
    return picture;
}

TDibPicture::Rgb TDibPicture::PixelAt(int x, int y) const
{
    const std::size_t at = static_cast<std::size_t>(height - 1 - y) * Stride() + static_cast<std::size_t>(x) * 3;
    return {bits[at + 2], bits[at + 1], bits[at]};
}

void TDibPicture::SetPixel(int x, int y, Rgb colour)
{
    const std::size_t at = static_cast<std::size_t>(height - 1 - y) * Stride() + static_cast<std::size_t>(x) * 3;
    bits[at] = colour.blue;
    bits[at + 1] = colour.green;
    bits[at + 2] = colour.red;
}

void WriteBmpFile(const std::filesystem::path& path, const TDibPicture& picture)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kFileHeaderSize + kInfoHeaderSize + picture.bits.size());
    ByteWriter out(bytes);
    const auto imageSize = static_cast<std::uint32_t>(picture.bits.size());
    out.field(static_cast<std::uint8_t>('B'));
    out.field(static_cast<std::uint8_t>('M'));
    out.field(kFileHeaderSize + kInfoHeaderSize + imageSize);
    out.field(std::uint32_t{0});
    out.field(kFileHeaderSize + kInfoHeaderSize);
    out.field(kInfoHeaderSize);
    out.field(static_cast<std::int32_t>(picture.width));
    out.field(static_cast<std::int32_t>(picture.height));
    out.field(std::uint16_t{1});   // planes
    out.field(std::uint16_t{24});  // bits per pixel
    out.field(std::uint32_t{0});   // no compression
    out.field(imageSize);
    out.field(std::int32_t{0});  // pixels per metre, not given
    out.field(std::int32_t{0});
    out.field(std::uint32_t{0});  // colours used
    out.field(std::uint32_t{0});  // important colours
    out.write(picture.bits.data(), picture.bits.size());
    WriteFileAtomically(path, bytes, msg::ErrorWritingPicture);
}

TDibPicture ReadBmpFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Refuse();
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ReadBmpBytes(bytes);
}

TDibPicture ReadBmpBytes(const std::vector<std::uint8_t>& bytes)
{
    ByteReader in(bytes, msg::UnreadablePicture);
    if (in.get<std::uint8_t>() != 'B' || in.get<std::uint8_t>() != 'M')
        Refuse();
    in.get<std::uint32_t>();  // file size, often wrong in the wild
    in.get<std::uint32_t>();
    const auto pixelOffset = in.get<std::uint32_t>();
    const auto infoSize = in.get<std::uint32_t>();
    if (infoSize < kInfoHeaderSize)
        Refuse();
    const auto width = in.get<std::int32_t>();
    const auto rawHeight = in.get<std::int32_t>();
    in.get<std::uint16_t>();
    const auto bitCount = in.get<std::uint16_t>();
    const auto compression = in.get<std::uint32_t>();
    in.take(12);
    auto paletteSize = in.get<std::uint32_t>();
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    const bool known = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
    if (!known || compression != 0 || width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide ||
        width * height > kMaxPixels)
        Refuse();

    // The palette follows the information header.
    std::vector<TDibPicture::Rgb> palette;
    if (bitCount <= 8) {
        const std::uint32_t maxColours = 1u << bitCount;
        if (paletteSize == 0 || paletteSize > maxColours)
            paletteSize = maxColours;
        ByteReader at(bytes, msg::UnreadablePicture);
        at.take(kFileHeaderSize + infoSize);
        const auto entries = at.take(static_cast<std::size_t>(paletteSize) * 4);
        for (std::uint32_t i = 0; i < paletteSize; ++i)
            palette.push_back({entries[i * 4 + 2], entries[i * 4 + 1], entries[i * 4]});
    }

    const std::size_t sourceStride = BmpRowBytes(width, bitCount);
    if (pixelOffset > bytes.size() || (bytes.size() - pixelOffset) / sourceStride < static_cast<std::size_t>(height))
        Refuse();

    TDibPicture picture = TDibPicture::Blank(width, static_cast<int>(height));
    for (int y = 0; y < picture.height; ++y) {
        // Row y counted from the top of the picture.
        const std::size_t stored = topDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(picture.height - 1 - y);
        const std::uint8_t* row = bytes.data() + pixelOffset + stored * sourceStride;
        for (int x = 0; x < width; ++x) {
            TDibPicture::Rgb colour;
            if (bitCount >= 24) {
                const std::uint8_t* p = row + static_cast<std::size_t>(x) * (bitCount / 8);
                colour = {p[2], p[1], p[0]};
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
                const int shift = 8 - bitCount - static_cast<int>(bit % 8);
                const unsigned index = (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
                if (index < palette.size())
                    colour = palette[index];
            }
            picture.SetPixel(x, y, colour);
        }
    }
    return picture;
}

}  // namespace tarn
