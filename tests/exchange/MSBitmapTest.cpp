// The memory bitmap: its layout, rectangle operations, 256-colour files and
// fractal roughening.
#include "exchange/ColourReduction.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/MSBitmap.h"
#include "model/Progress.h"

#include "tests/common/TempPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace tarn {
namespace {

template <typename T>
T At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MSBitmap, RowsArePaddedToFourBytesBehindA54ByteHeader)
{
    const TMSBitmap single(1, 1);
    EXPECT_EQ(single.RowBytes(), 4u);
    EXPECT_EQ(single.FileSize(), 58u);
    EXPECT_EQ(single.Image().size(), 58u);
    EXPECT_EQ(TMSBitmap(5, 2).RowBytes(), 16u);

    TMSBitmap bitmap(5, 3);
    bitmap.SetPixel(4, 1, RGB(10, 20, 30));
    const auto image = bitmap.Image();
    EXPECT_EQ(At<std::uint32_t>(image, 2), 16u * 3 + 54);
    EXPECT_EQ(At<std::int32_t>(image, 22), 3);
    // Pixel (x, y) lies at 54 + (height - y) * row bytes + 3x, blue first.
    const std::size_t at = 54 + (3 - 1) * 16 + 3 * 4;
    EXPECT_EQ(image[at], 30);
    EXPECT_EQ(image[at + 1], 20);
    EXPECT_EQ(image[at + 2], 10);
}

TEST(MSBitmap, ANewPictureIsSkyBlueAndReadsBlackOffThePicture)
{
    const TMSBitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.GetPixel(0, 1), RGB(63, 127, 255));
    EXPECT_EQ(bitmap.GetPixel(2, 2), RGB(63, 127, 255));
    EXPECT_EQ(bitmap.GetPixel(3, 1), kBlack);
    EXPECT_EQ(bitmap.GetPixel(0, 0), kBlack) << "rows count from 1";
}

TEST(MSBitmap, SizesNoFileCanHoldAreRefusedWithTheCodedMessage)
{
    for (const auto& [width, height] : {std::pair{0, 5}, std::pair{5, -1}, std::pair{1 << 30, 1 << 30}}) {
        try {
            TMSBitmap bitmap(width, height);
            ADD_FAILURE() << width << " x " << height;
        } catch (const EMSCreateFail& error) {
            EXPECT_STREQ(error.what(), msg::MemoryBitmapCreateFailed);
        }
    }
}

TEST(MSBitmap, BrightenAddsToEveryChannelWithinItsLimits)
{
    TMSBitmap bitmap(2, 2);
    bitmap.SetPixel(0, 1, RGB(200, 50, 0));
    bitmap.Brighten(100, 0, 1, 0, 1);
    EXPECT_EQ(bitmap.GetPixel(0, 1), RGB(255, 150, 100));
    bitmap.Brighten(-300, 0, 1, 0, 1);
    EXPECT_EQ(bitmap.GetPixel(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.GetPixel(1, 1), RGB(63, 127, 255)) << "outside the rectangle";
}

TEST(MSBitmap, ReversedRectanglesCoverOneColumnOrRowAndAllAreCutToThePicture)
{
    TMSBitmap bitmap(4, 4);
    // Right edge left of the left edge: column 2 only, rows 1 to 3.
    bitmap.FillRect(kWhite, 2, 3, 0, 1);
    EXPECT_EQ(bitmap.GetPixel(2, 1), kWhite);
    EXPECT_EQ(bitmap.GetPixel(2, 3), kWhite);
    EXPECT_NE(bitmap.GetPixel(1, 2), kWhite);
    // Bottom above the top: row 4 only.
    bitmap.FillRect(kBlack, 0, 2, 1, 4);
    EXPECT_EQ(bitmap.GetPixel(0, 4), kBlack);
    EXPECT_EQ(bitmap.GetPixel(1, 4), kBlack);
    EXPECT_NE(bitmap.GetPixel(0, 3), kBlack);
    // Far beyond the edges.
    bitmap.FillRect(RGB(1, 2, 3), -100, 100, 100, -100);
    EXPECT_EQ(bitmap.GetPixel(3, 4), RGB(1, 2, 3));
    EXPECT_EQ(bitmap.GetPixel(0, 1), RGB(1, 2, 3));
}

TEST(MSBitmap, TheTwentyFourBitFileIsTheImageUnchanged)
{
    TMSBitmap bitmap(3, 3);
    bitmap.SetPixel(1, 2, RGB(9, 8, 7));
    const auto file = test::UniqueTempPath("msbitmap-24", ".bmp");
    bitmap.SaveTo24Bit(file);
    EXPECT_EQ(FileBytes(file), bitmap.Image());
    std::filesystem::remove(file);
}

TEST(ColourReduction, APictureOfOneColourUsesOneTableEntryForEveryPixel)
{
    TMSBitmap bitmap(7, 5);
    bitmap.FillRect(RGB(90, 140, 30), 0, 5, 6, 1);
    const auto file = test::UniqueTempPath("msbitmap-256", ".bmp");
    bitmap.SaveTo256Colours(file);
    const auto bytes = FileBytes(file);
    std::filesystem::remove(file);
    ASSERT_EQ(bytes.size(), 1078u + 8u * 5u);
    EXPECT_EQ(At<std::uint16_t>(bytes, 28), 8);
    EXPECT_EQ(At<std::uint32_t>(bytes, 10), 1078u);
    std::set<std::uint8_t> used;
    for (int row = 0; row < 5; ++row)
        for (int x = 0; x < 7; ++x)
            used.insert(bytes[1078 + row * 8 + x]);
    ASSERT_EQ(used.size(), 1u);
    // The one colour's histogram cell is the first kept: entry 10, holding
    // the cell's centre (90 div 16 * 16 + 7, 140 div 8 * 8 + 3, 30 div 8 * 8 + 3).
    EXPECT_EQ(*used.begin(), 10);
    EXPECT_EQ(bytes[54 + 10 * 4 + 2], 87);
    EXPECT_EQ(bytes[54 + 10 * 4 + 1], 139);
    EXPECT_EQ(bytes[54 + 10 * 4], 27);
}

TEST(ColourReduction, TheTableIsFramedByTheStaticColoursAndFrequentCellsComeFirst)
{
    TDibPicture picture = TDibPicture::Blank(4, 1);
    picture.SetPixel(0, 0, {255, 255, 255});
    picture.SetPixel(1, 0, {20, 20, 20});
    picture.SetPixel(2, 0, {20, 20, 20});
    picture.SetPixel(3, 0, {0, 0, 0});
    const TIndexedPicture reduced = ReduceTo256Colours(picture);
    const auto& statics = StaticColours();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(reduced.colours[i], statics[i]) << i;
        EXPECT_EQ(reduced.colours[246 + i], statics[10 + i]) << i;
    }
    // Cells in order of red, green, blue: black's cell, then grey's, then white's.
    EXPECT_EQ(reduced.colours[10], (TDibPicture::Rgb{7, 3, 3}));
    EXPECT_EQ(reduced.colours[11], (TDibPicture::Rgb{23, 19, 19}));
    EXPECT_EQ(reduced.colours[12], (TDibPicture::Rgb{247, 251, 251}));
    TIndexedPicture copy = reduced;
    EXPECT_EQ(copy.IndexAt(0, 0), 12) << "white takes its cell: static white is not among the colours matched";
    EXPECT_EQ(copy.IndexAt(1, 0), 11);
    EXPECT_EQ(copy.IndexAt(3, 0), 0) << "black matches static black exactly";
}

// Counts the random numbers asked for and answers the largest allowed.
class CountingRandom final : public IRandomSource {
public:
    int Below(int limit) override
    {
        ++draws;
        return limit > 0 ? limit - 1 : 0;
    }
    int draws = 0;
};

class PercentRecorder final : public IProgress {
public:
    void setCaptions(std::string_view, std::string_view) override {}
    void setPercent(int percent) override { percents.push_back(percent); }
    void hideProgress() override {}
    bool pump() override { return true; }
    std::vector<int> percents;
};

TEST(Fractalize, BlocksHalveFromTheStartSizeDownToTheMinimum)
{
    const TMSBitmap::TArea area{0, 0, 8, 8};
    // Four random numbers per block: on an 8 x 8 area, blocks of 2 make 16
    // blocks, blocks of 1 make 64, blocks of 4 make 4.
    TMSBitmap bitmap(8, 8);
    CountingRandom twoRounds;
    bitmap.Fractalize(area, {.amplitude = 8, .brighten = true, .minimumBlock = 1, .startBlock = 2}, twoRounds, nullptr);
    EXPECT_EQ(twoRounds.draws, 4 * (16 + 64));
    CountingRandom threeRounds;
    bitmap.Fractalize(area, {.amplitude = 8, .brighten = true, .minimumBlock = 1, .startBlock = 4}, threeRounds, nullptr);
    EXPECT_EQ(threeRounds.draws, 4 * (4 + 16 + 64));
    CountingRandom oneRound;
    bitmap.Fractalize(area, {.amplitude = 8, .brighten = true, .minimumBlock = 0, .startBlock = 0}, oneRound, nullptr);
    EXPECT_EQ(oneRound.draws, 4 * 64) << "block sizes below 1 count as 1";
}

TEST(Fractalize, BrightenAddsTheMeanDrawLessHalfTheAmplitude)
{
    TMSBitmap bitmap(4, 4);
    bitmap.FillRect(RGB(100, 100, 100), 0, 4, 3, 1);
    CountingRandom random;
    // One round of one block over the whole area: draws of amplitude - 1 = 9
    // each, mean 9, less half of 10: +4 on every pixel of the block.
    bitmap.Fractalize({0, 0, 4, 4}, {.amplitude = 10, .brighten = true, .minimumBlock = 4, .startBlock = 4}, random,
                      nullptr);
    EXPECT_EQ(bitmap.GetPixel(2, 2), RGB(104, 104, 104));
}

TEST(Fractalize, PaintedBlocksTakeTheirCornersColourAndProgressEndsAtAHundred)
{
    TMSBitmap bitmap(6, 6);
    bitmap.FillRect(RGB(40, 80, 120), 0, 6, 5, 1);
    CountingRandom random;
    PercentRecorder progress;
    bitmap.Fractalize({0, 0, 6, 6}, {.amplitude = 0, .cornerMode = 1, .minimumBlock = 1, .startBlock = 3}, random,
                      &progress);
    // With no amplitude the corners' colour is copied unchanged.
    EXPECT_EQ(bitmap.GetPixel(3, 3), RGB(40, 80, 120));
    ASSERT_FALSE(progress.percents.empty());
    EXPECT_EQ(progress.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end()));
}

}  // namespace
}  // namespace tarn
