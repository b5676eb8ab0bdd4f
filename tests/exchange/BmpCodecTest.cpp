// BMP files written and read.
#include "exchange/BmpCodec.h"
#include "model/Errors.h"

#include "tests/common/TempPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarn {
namespace {

using Rgb = TDibPicture::Rgb;

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
T At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST(BmpFile, AWrittenPictureIsABottomUp24BitFileWithPaddedRows)
{
    TDibPicture picture = TDibPicture::Blank(275, 200);
    picture.SetPixel(0, 0, {10, 20, 30});
    const auto file = test::UniqueTempPath("bmp-codec-test-picture", ".bmp");
    WriteBmpFile(file, picture);
    const auto bytes = FileBytes(file);
    std::filesystem::remove(file);

    ASSERT_EQ(bytes.size(), 54u + 828u * 200u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(At<std::uint32_t>(bytes, 2), bytes.size());
    EXPECT_EQ(At<std::uint32_t>(bytes, 10), 54u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 14), 40u);
    EXPECT_EQ(At<std::int32_t>(bytes, 18), 275);
    EXPECT_EQ(At<std::int32_t>(bytes, 22), 200) << "positive height: bottom-up";
    EXPECT_EQ(At<std::uint16_t>(bytes, 26), 1);
    EXPECT_EQ(At<std::uint16_t>(bytes, 28), 24);
    EXPECT_EQ(At<std::uint32_t>(bytes, 30), 0u);
    // The top-left pixel sits in the last stored row.
    const std::size_t topRow = 54 + 828 * 199;
    EXPECT_EQ(bytes[topRow], 30);
    EXPECT_EQ(bytes[topRow + 1], 20);
    EXPECT_EQ(bytes[topRow + 2], 10);
}

TEST(BmpFile, WrittenPicturesReadBackUnchanged)
{
    TDibPicture picture = TDibPicture::Blank(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.SetPixel(x, y, {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 90), 7});
    const auto file = test::UniqueTempPath("bmp-codec-test-roundtrip", ".bmp");
    WriteBmpFile(file, picture);
    const TDibPicture read = ReadBmpFile(file);
    std::filesystem::remove(file);
    EXPECT_EQ(read.width, 5);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.bits, picture.bits);
}

// A 2 x 2 picture of 8 bits per pixel with a 2-colour palette, top-down.
std::vector<std::uint8_t> PalettePicture()
{
    std::vector<std::uint8_t> bytes(54 + 8 + 8, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(bytes.data() + at, &v, 4); };
    put32(10, 62);
    put32(14, 40);
    put32(18, 2);
    put32(22, static_cast<std::uint32_t>(-2));
    bytes[26] = 1;
    bytes[28] = 8;
    put32(46, 2);
    // Palette: 0 blue, 1 red (blue, green, red, reserved).
    bytes[54] = 255;
    bytes[60] = 255;
    // Rows of 2 pixels padded to 4 bytes: top row 0 1, bottom row 1 0.
    bytes[62] = 0;
    bytes[63] = 1;
    bytes[66] = 1;
    bytes[67] = 0;
    return bytes;
}

TEST(BmpFile, PaletteAndTopDownPicturesAreRead)
{
    const TDibPicture picture = ReadBmpBytes(PalettePicture());
    EXPECT_EQ(picture.PixelAt(0, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(picture.PixelAt(1, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(picture.PixelAt(0, 1), (Rgb{255, 0, 0}));
}

TEST(BmpFile, DamagedOrUnknownPicturesAreRefused)
{
    auto bytes = PalettePicture();
    const auto refused = [](const std::vector<std::uint8_t>& b) {
        try {
            ReadBmpBytes(b);
        } catch (const EInvalidData& error) {
            return std::string(error.what()).rfind("E0091", 0) == 0;
        }
        return false;
    };
    EXPECT_TRUE(refused({bytes.begin(), bytes.end() - 3})) << "rows cut short";
    auto compressed = bytes;
    compressed[30] = 1;
    EXPECT_TRUE(refused(compressed)) << "run-length packing of a top-down picture";
    auto bitFields = bytes;
    bitFields[30] = 3;
    EXPECT_TRUE(refused(bitFields)) << "an unknown packing";
    auto huge = bytes;
    std::memset(huge.data() + 18, 0x7f, 4);
    EXPECT_TRUE(refused(huge)) << "a width beyond any real picture";
    EXPECT_TRUE(refused({'B', 'M'}));
    EXPECT_TRUE(refused({}));
    EXPECT_THROW(ReadBmpFile("/nonexistent/picture.bmp"), EInvalidData);
}

// A bottom-up picture of `width` x `height` with a colour table of four
// entries (0 black, 1 red, 2 green, 3 blue) and the given packed pixels.
std::vector<std::uint8_t> RunLengthPicture(int width, int height, int bits, const std::vector<std::uint8_t>& runs)
{
    std::vector<std::uint8_t> bytes(54 + 16 + runs.size(), 0);
    std::copy(runs.begin(), runs.end(), bytes.begin() + 70);
    bytes[0] = 'B';
    bytes[1] = 'M';
    const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(bytes.data() + at, &v, 4); };
    put32(10, 70);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<std::uint8_t>(bits);
    put32(30, bits == 8 ? 1 : 2);
    put32(46, 4);
    bytes[54 + 6] = 255;   // red
    bytes[58 + 5] = 255;   // green
    bytes[62 + 4] = 255;   // blue
    return bytes;
}

constexpr Rgb kBlack{0, 0, 0}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

TEST(BmpFile, RunLengthPicturesOf8BitsAreUnpacked)
{
    // Bottom row: a run of 2 red, then an absolute group of 3 (padded to an
    // even length): green, blue, red; end of line. Next row: a jump 1 right
    // and 1 up lands on the top row, then 1 blue and the end of the picture.
    const auto picture = ReadBmpBytes(RunLengthPicture(5, 3, 8, {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 1, 1, 3, 0, 1}));
    const std::vector<Rgb> bottom{kRed, kRed, kGreen, kBlue, kRed};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(picture.PixelAt(x, 2), bottom[x]) << x;
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(picture.PixelAt(x, 1), kBlack) << "skipped by the jump: " << x;
    EXPECT_EQ(picture.PixelAt(0, 0), kBlack);
    EXPECT_EQ(picture.PixelAt(1, 0), kBlue);
    EXPECT_EQ(picture.PixelAt(2, 0), kBlack) << "after the end of the picture";
}

TEST(BmpFile, RunLengthPicturesOf4BitsAlternateTheRunsTwoNibbles)
{
    // A run of 3 pixels alternating 1 and 2, then an absolute group of 3
    // nibbles 3, 0, 1 in two bytes padded to four.
    const auto picture = ReadBmpBytes(RunLengthPicture(6, 1, 4, {3, 0x12, 0, 3, 0x30, 0x10, 0, 1}));
    const std::vector<Rgb> row{kRed, kGreen, kRed, kBlue, kBlack, kRed};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(picture.PixelAt(x, 0), row[x]) << x;
}

TEST(BmpFile, RunLengthDataThatOverrunsOrStopsShortIsCutNotFollowed)
{
    // A run longer than the row and an absolute group whose bytes are
    // missing; neither may write outside the picture or read past the data.
    const auto picture = ReadBmpBytes(RunLengthPicture(2, 2, 8, {200, 1, 0, 0, 0, 9, 2}));
    EXPECT_EQ(picture.PixelAt(0, 1), kRed);
    EXPECT_EQ(picture.PixelAt(1, 1), kRed);
    EXPECT_EQ(picture.PixelAt(0, 0), kGreen);
    EXPECT_EQ(picture.PixelAt(1, 0), kBlack);
    // A jump far beyond the picture, then more runs.
    EXPECT_NO_THROW(ReadBmpBytes(RunLengthPicture(2, 2, 8, {0, 2, 255, 255, 5, 1, 0, 1})));
}

TEST(BmpFile, IndexedPicturesAreWrittenWithTheirColourTableAndReadBack)
{
    TIndexedPicture picture = TIndexedPicture::Blank(3, 2);
    picture.colours[0] = {1, 2, 3};
    picture.colours[200] = {250, 100, 50};
    picture.IndexAt(2, 0) = 200;
    const auto bytes = EncodeBmp(picture);
    ASSERT_EQ(bytes.size(), 1078u + 4u * 2u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 10), 1078u) << "pixels follow the 256-entry colour table";
    EXPECT_EQ(At<std::uint16_t>(bytes, 28), 8);
    EXPECT_EQ(At<std::uint32_t>(bytes, 46), 256u);
    EXPECT_EQ(bytes[54 + 200 * 4], 50) << "table entries are blue, green, red";
    const auto read = ReadBmpBytes(bytes);
    EXPECT_EQ(read.PixelAt(2, 0), (Rgb{250, 100, 50}));
    EXPECT_EQ(read.PixelAt(0, 1), (Rgb{1, 2, 3}));
}

TEST(BmpFile, SizeIsReadFromTheHeadersAlone)
{
    auto bytes = PalettePicture();
    bytes.resize(54);
    const TPictureSize size = ReadBmpSize(bytes);
    EXPECT_EQ(size.width, 2);
    EXPECT_EQ(size.height, 2);
    EXPECT_THROW(ReadBmpSize(std::vector<std::uint8_t>(20, 'B')), EInvalidData);
}

}  // namespace
}  // namespace tarn
