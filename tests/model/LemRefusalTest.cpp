// Damaged and foreign files are refused with one coded message, never read
// past their storage, and leave an empty map marked unloaded.
#include "TestMaps.h"

#include "model/Errors.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

namespace {

// Loads the bytes into a map that held another map and returns the coded
// message of the refusal ("" when the file loaded).
std::string RefusalOf(const Bytes& bytes, TNet& net)
{
    MakeMap(net, 20, 20);
    net.Overlays.push_back(std::make_unique<TGraphSpot>());
    try {
        LoadBytes(net, bytes);
    } catch (const ETarnError& error) {
        return error.what();
    }
    return {};
}

void ExpectUnloaded(const TNet& net)
{
    EXPECT_EQ(net.MapHeader.ExtentX, 0);
    EXPECT_EQ(net.PointCount(), 0);
    EXPECT_EQ(net.SquareCount(), 0);
    EXPECT_TRUE(net.Overlays.empty());
    EXPECT_TRUE(net.Labels.empty());
    EXPECT_EQ(net.MapHeader.Columns, 0);
}

constexpr std::size_t kOverlaysOffset = 2576 + 4 + 2 * 420 + 4 + 2 * 380;  // in SmallMapFile: 21 x 20 nodes

}  // namespace

TEST(LemRefusal, AFileCutAtAnyLengthIsRefusedAsCorrupt)
{
    const Bytes whole = SmallMapFile();
    for (std::size_t length = 0; length < whole.size(); ++length) {
        TNet net;
        const auto message = RefusalOf(Bytes(whole.begin(), whole.begin() + length), net);
        ASSERT_EQ(message.substr(0, 6), "E0061 ") << "cut at " << length << ": " << message;
        ExpectUnloaded(net);
    }
}

TEST(LemRefusal, ForeignSignatureIsRefusedAfterTheHeaderWithE0046)
{
    for (const std::size_t wrong : {0u, 1u, 2u}) {
        Bytes file = SmallMapFile();
        file[wrong] ^= 0x10;
        TNet net;
        try {
            MakeMap(net, 20, 20);
            LoadBytes(net, file);
            FAIL() << "accepted";
        } catch (const ETarnError& error) {
            EXPECT_STREQ(error.what(), "E0046 Glenmarrowscape 1 files are not compatible with Glenmarrowscape 2.  "
                                       "Use XYZ Export/Import");
            EXPECT_EQ(error.caption(), "Glenmarrowscape 2");
        }
        ExpectUnloaded(net);
    }
    // A short text file is still recognised as foreign rather than damaged.
    const std::string text = "hello";
    TNet net;
    EXPECT_EQ(RefusalOf(Bytes(text.begin(), text.end()), net).substr(0, 5), "E0046");
}

TEST(LemRefusal, GridSizesTheFormatCannotHoldAreRefused)
{
    const std::pair<std::int16_t, std::int16_t> bad[] = {{1, 400}, {400, 1}, {0, 0}, {-5, 20}, {501, 500}, {32767, 32767}};
    for (const auto& [columns, rows] : bad) {
        Bytes file = SmallMapFile();
        Put<std::int16_t>(file, 3, columns);
        Put<std::int16_t>(file, 5, rows);
        TNet net;
        EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ") << columns << " x " << rows;
        ExpectUnloaded(net);
    }
}

TEST(LemRefusal, CountsThatDisagreeWithTheGridAreRefused)
{
    for (const std::int32_t nodes : {0, 419, 421, -1, 2147483647}) {
        Bytes file = SmallMapFile();
        Put<std::int32_t>(file, 2576, nodes);
        TNet net;
        EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ") << nodes;
    }
    for (const std::int32_t squares : {0, 379, 381, -380}) {
        Bytes file = SmallMapFile();
        Put<std::int32_t>(file, 2576 + 4 + 840, squares);
        TNet net;
        EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ") << squares;
    }
}

TEST(LemRefusal, NegativeOrHugeOverlayCountsAreRefused)
{
    Bytes file = SmallMapFile();
    ASSERT_EQ(Get<std::int16_t>(file, kOverlaysOffset), 4);
    Put<std::int16_t>(file, kOverlaysOffset, -1);
    TNet net;
    EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ");

    // The first overlay's point count, negative and far beyond the file's end.
    for (const std::int16_t points : {std::int16_t{-1}, std::int16_t{-32768}, std::int16_t{32767}}) {
        file = SmallMapFile();
        Put<std::int16_t>(file, kOverlaysOffset + 2 + 46, points);
        EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ") << points;
        ExpectUnloaded(net);
    }
    file = SmallMapFile();
    Put<std::int16_t>(file, kOverlaysOffset, 32767);
    EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ");
}

TEST(LemRefusal, LabelLengthsBeyondTheTextBufferAreRefused)
{
    TNet made;
    MakeMap(made, 20, 20);
    auto label = std::make_unique<TEnhString>();
    label->Text = std::string(116, 'x');
    made.Labels.push_back(std::move(label));
    const Bytes longest = made.SaveToBytes();
    TNet net;
    EXPECT_EQ(RefusalOf(longest, net), "");  // 116 characters fit
    ASSERT_EQ(net.Labels.size(), 1u);
    EXPECT_EQ(net.Labels[0]->Text.size(), 116u);

    const std::size_t lengthOffset = 4106 + 2 + 2 + 94;
    ASSERT_EQ(Get<std::int16_t>(longest, lengthOffset), 116);
    for (const std::int16_t length : {std::int16_t{117}, std::int16_t{2000}, std::int16_t{-1}}) {
        Bytes file = longest;
        Put<std::int16_t>(file, lengthOffset, length);
        file.resize(file.size() + 3000, 'y');
        EXPECT_EQ(RefusalOf(file, net).substr(0, 6), "E0061 ") << length;
        ExpectUnloaded(net);
    }
}

TEST(LemRefusal, OverlongLabelTextIsCutWhenSavedSoTheFileStaysReadable)
{
    TNet made;
    MakeMap(made, 20, 20);
    auto label = std::make_unique<TEnhString>();
    label->Text = std::string(300, 'z');
    made.Labels.push_back(std::move(label));
    TNet net;
    EXPECT_EQ(RefusalOf(made.SaveToBytes(), net), "");
    EXPECT_EQ(net.Labels[0]->Text, std::string(116, 'z'));
}

TEST(LemRefusal, TrailingBytesAfterTheLastLabelAreIgnored)
{
    Bytes file = SmallMapFile();
    file.push_back(0x55);
    TNet net;
    EXPECT_EQ(RefusalOf(file, net), "");
    EXPECT_EQ(net.Labels.size(), 3u);
}
