// BMP files written and read.
#include "exchange/BmpCodec.h"
#include "model/Errors.h"

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
    const auto file = std::filesystem::temp_directory_path() / "bmp-codec-test-picture.bmp";
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
    const auto file = std::filesystem::temp_directory_path() / "bmp-codec-test-roundtrip.bmp";
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
    EXPECT_TRUE(refused(compressed)) << "run-length compression";
    auto huge = bytes;
    std::memset(huge.data() + 18, 0x7f, 4);
    EXPECT_TRUE(refused(huge)) << "a width beyond any real picture";
    EXPECT_TRUE(refused({'B', 'M'}));
    EXPECT_TRUE(refused({}));
    EXPECT_THROW(ReadBmpFile("/nonexistent/picture.bmp"), EInvalidData);
}

}  // namespace
}  // namespace tarn
