#include "exchange/BmpCodec.h"

#include "exchange/BmpRle.h"
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
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
// Pictures wider or taller than this, or of more pixels, are refused as
// damaged files: a 1-bit file of legal length would otherwise unpack into
// gigabytes.
constexpr std::int32_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

[[noreturn]] void Refuse() { throw EInvalidData(msg::UnreadablePicture); }

// The fields of the two headers that reading needs, checked.
struct TBmpHeader {
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t paletteSize = 0;
};

TBmpHeader ReadHeader(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes, msg::UnreadablePicture);
    if (in.get<std::uint8_t>() != 'B' || in.get<std::uint8_t>() != 'M')
        Refuse();
    in.get<std::uint32_t>();  // file size, often wrong in the wild
    in.get<std::uint32_t>();
    TBmpHeader header;
    header.pixelOffset = in.get<std::uint32_t>();
    header.infoSize = in.get<std::uint32_t>();
    if (header.infoSize < kInfoHeaderSize)
        Refuse();
    const auto width = in.get<std::int32_t>();
    const auto rawHeight = in.get<std::int32_t>();
    in.get<std::uint16_t>();
    header.bitCount = in.get<std::uint16_t>();
    header.compression = in.get<std::uint32_t>();
    in.take(12);
    header.paletteSize = in.get<std::uint32_t>();
    header.topDown = rawHeight < 0;
    const std::int64_t height = header.topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    const int bits = header.bitCount;
    const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    const bool packingKnown = header.compression == kUncompressed ||
                              (header.compression == kRunLength8 && bits == 8 && !header.topDown) ||
                              (header.compression == kRunLength4 && bits == 4 && !header.topDown);
    if (!known || !packingKnown || width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide ||
        width * height > kMaxPixels)
        Refuse();
    header.width = width;
    header.height = static_cast<int>(height);
    return header;
}

// The colour table that follows the information header.
std::vector<TDibPicture::Rgb> ReadPalette(std::span<const std::uint8_t> bytes, const TBmpHeader& header)
{
    std::vector<TDibPicture::Rgb> palette;
    if (header.bitCount > 8)
        return palette;
    const std::uint32_t maxColours = 1u << header.bitCount;
    const std::uint32_t count =
        header.paletteSize == 0 || header.paletteSize > maxColours ? maxColours : header.paletteSize;
    ByteReader at(bytes, msg::UnreadablePicture);
    at.take(kFileHeaderSize + header.infoSize);
    const auto entries = at.take(static_cast<std::size_t>(count) * 4);
    for (std::uint32_t i = 0; i < count; ++i)
        palette.push_back({entries[i * 4 + 2], entries[i * 4 + 1], entries[i * 4]});
    return palette;
}

TDibPicture::Rgb Lookup(const std::vector<TDibPicture::Rgb>& palette, unsigned index)
{
    return index < palette.size() ? palette[index] : TDibPicture::Rgb{};
}

TDibPicture DecodeRuns(std::span<const std::uint8_t> bytes, const TBmpHeader& header,
                       const std::vector<TDibPicture::Rgb>& palette)
{
    if (header.pixelOffset > bytes.size())
        Refuse();
    const auto indexes = UnpackBmpRuns(bytes.subspan(header.pixelOffset), header.width, header.height, header.bitCount);
    TDibPicture picture = TDibPicture::Blank(header.width, header.height);
    for (int y = 0; y < header.height; ++y)
        for (int x = 0; x < header.width; ++x) {
            const std::size_t stored = static_cast<std::size_t>(header.height - 1 - y) * header.width + x;
            picture.SetPixel(x, y, Lookup(palette, indexes[stored]));
        }
    return picture;
}

TDibPicture DecodeRows(std::span<const std::uint8_t> bytes, const TBmpHeader& header,
                       const std::vector<TDibPicture::Rgb>& palette)
{
    const int bitCount = header.bitCount;
    const std::size_t sourceStride = BmpRowBytes(header.width, bitCount);
    if (header.pixelOffset > bytes.size() ||
        (bytes.size() - header.pixelOffset) / sourceStride < static_cast<std::size_t>(header.height))
        Refuse();

    TDibPicture picture = TDibPicture::Blank(header.width, header.height);
    for (int y = 0; y < picture.height; ++y) {
        // Row y counted from the top of the picture.
        const std::size_t stored =
            header.topDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(picture.height - 1 - y);
        const std::uint8_t* row = bytes.data() + header.pixelOffset + stored * sourceStride;
        for (int x = 0; x < header.width; ++x) {
            TDibPicture::Rgb colour;
            if (bitCount >= 24) {
                const std::uint8_t* p = row + static_cast<std::size_t>(x) * (bitCount / 8);
                colour = {p[2], p[1], p[0]};
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
                const int shift = 8 - bitCount - static_cast<int>(bit % 8);
                colour = Lookup(palette, (row[bit / 8] >> shift) & ((1u << bitCount) - 1));
            }
            picture.SetPixel(x, y, colour);
        }
    }
    return picture;
}

// The two headers of a file of `pixelBytes` pixel data at `pixelOffset`.
void PutHeaders(ByteWriter& out, int width, int height, int bitCount, std::uint32_t pixelOffset,
                std::uint32_t pixelBytes, std::uint32_t coloursUsed)
{
    out.field(static_cast<std::uint8_t>('B'));
    out.field(static_cast<std::uint8_t>('M'));
    out.field(pixelOffset + pixelBytes);
    out.field(std::uint32_t{0});
    out.field(pixelOffset);
    out.field(kInfoHeaderSize);
    out.field(static_cast<std::int32_t>(width));
    out.field(static_cast<std::int32_t>(height));
    out.field(std::uint16_t{1});  // planes
    out.field(static_cast<std::uint16_t>(bitCount));
    out.field(kUncompressed);
    out.field(pixelBytes);
    out.field(std::int32_t{0});  // pixels per metre, not given
    out.field(std::int32_t{0});
    out.field(coloursUsed);
    out.field(std::uint32_t{0});  // important colours: all
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    WriteFileAtomically(path, bytes, msg::ErrorWritingPicture);
}

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

TIndexedPicture TIndexedPicture::Blank(int width, int height)
{
    TIndexedPicture picture;
    picture.width = width;
    picture.height = height;
    picture.indexes.assign(BmpRowBytes(width, 8) * static_cast<std::size_t>(height), 0);
    return picture;
}

std::uint8_t& TIndexedPicture::IndexAt(int x, int y)
{
    return indexes[static_cast<std::size_t>(height - 1 - y) * Stride() + static_cast<std::size_t>(x)];
}

std::vector<std::uint8_t> EncodeBmp(const TDibPicture& picture)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kBmpHeadersSize + picture.bits.size());
    ByteWriter out(bytes);
    PutHeaders(out, picture.width, picture.height, 24, kBmpHeadersSize,
               static_cast<std::uint32_t>(picture.bits.size()), 0);
    out.write(picture.bits.data(), picture.bits.size());
    return bytes;
}

std::vector<std::uint8_t> EncodeBmp(const TIndexedPicture& picture)
{
    constexpr std::uint32_t tableSize = 256 * 4;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kBmpHeadersSize + tableSize + picture.indexes.size());
    ByteWriter out(bytes);
    PutHeaders(out, picture.width, picture.height, 8, kBmpHeadersSize + tableSize,
               static_cast<std::uint32_t>(picture.indexes.size()), 256);
    for (const auto& colour : picture.colours) {
        out.field(colour.blue);
        out.field(colour.green);
        out.field(colour.red);
        out.field(std::uint8_t{0});
    }
    out.write(picture.indexes.data(), picture.indexes.size());
    return bytes;
}

void WriteBmpFile(const std::filesystem::path& path, const TDibPicture& picture)
{
    WriteBytes(path, EncodeBmp(picture));
}

void WriteBmpFile(const std::filesystem::path& path, const TIndexedPicture& picture)
{
    WriteBytes(path, EncodeBmp(picture));
}

TDibPicture ReadBmpFile(const std::filesystem::path& path)
{
    // Only a regular file is opened: a pipe would wait for a writer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        Refuse();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Refuse();
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ReadBmpBytes(bytes);
}

TPictureSize ReadBmpSize(std::span<const std::uint8_t> bytes)
{
    const TBmpHeader header = ReadHeader(bytes);
    return {header.width, header.height};
}

TDibPicture ReadBmpBytes(std::span<const std::uint8_t> bytes)
{
    const TBmpHeader header = ReadHeader(bytes);
    const auto palette = ReadPalette(bytes, header);
    return header.compression == kUncompressed ? DecodeRows(bytes, header, palette)
                                               : DecodeRuns(bytes, header, palette);
}

}  // namespace tarn
