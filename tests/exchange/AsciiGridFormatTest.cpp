// Heights as a plain list of numbers.
#include "ExchangeTestSupport.h"
#include "exchange/AsciiGridFormat.h"
#include "exchange/ExchangeMessages.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using namespace test;

const TAsciiGridFormat kAscii;

TEST(AsciiGridImport, FewerNumbersThanNodesLeaveTheRestNull)
{
    TNet net;
    MakeGrid(net, 2, 3);
    for (auto& square : net.Squares())
        square.Terrain = 5;
    EXPECT_EQ(ReadText(kAscii, "10 20\n 30\t40", net), ImportOutcome::Completed);
    const std::vector<int> expected{10, 20, 30, 40, kNullHeight, kNullHeight};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(net.Points()[i].Height, expected[i]) << i;
    EXPECT_EQ(net.Squares()[0].Terrain, 0) << "terrains are cleared";
    EXPECT_EQ(net.Squares()[0].MeanHeight, 25) << "squares are brought up to date";
    EXPECT_EQ(net.Squares()[1].NullCorner, 1);
    EXPECT_EQ(net.MapHeader.MaxHeight, 40);
    EXPECT_EQ(net.MapHeader.MinHeight, 10);
}

TEST(AsciiGridImport, ValuesBelowMinus1000BecomeNullAndTheMinimumStopsAtMinus1000)
{
    TNet net;
    MakeGrid(net, 2, 2);
    ReadText(kAscii, "5 -2000 7", net);
    EXPECT_EQ(net.Points()[0].Height, 5);
    EXPECT_EQ(net.Points()[1].Height, kNullHeight);
    EXPECT_EQ(net.Points()[2].Height, 7);
    EXPECT_EQ(net.MapHeader.MinHeight, -1000);
    EXPECT_EQ(net.MapHeader.MaxHeight, 7);
}

TEST(AsciiGridImport, ValuesBeyondTheGridAreReadAndIgnoredAndHugeOnesSaturate)
{
    TNet net;
    MakeGrid(net, 2, 2);
    EXPECT_EQ(ReadText(kAscii, "1 2 3 99999 5 6 7 8", net), ImportOutcome::Completed);
    EXPECT_EQ(net.Points()[3].Height, 32767);
    EXPECT_EQ(net.MapHeader.MaxHeight, 32767);
}

TEST(AsciiGridImport, AWordThatIsNoNumberEndsTheImportKeepingWhatWasStored)
{
    TNet net;
    MakeGrid(net, 2, 2);
    net.MapHeader.MaxHeight = 1234;
    EXPECT_EQ(ReadError(kAscii, "3 4 1.5 6", net), msg::ImportValueNotNumber);
    EXPECT_EQ(net.Points()[0].Height, 3);
    EXPECT_EQ(net.Points()[1].Height, 4);
    EXPECT_EQ(net.Points()[2].Height, kNullHeight);
    EXPECT_EQ(net.MapHeader.MaxHeight, 1234) << "the height range is left alone";
    EXPECT_EQ(ReadError(kAscii, "1 2 99999999999999999999999", net), msg::ImportValueNotNumber);
}

TEST(AsciiGridImport, AnEmptyFileLeavesAllNullAndTheHeightRangeAsItWas)
{
    TNet net;
    MakeGrid(net, 2, 2);
    EXPECT_EQ(ReadText(kAscii, " \r\n ", net), ImportOutcome::NothingStored);
    EXPECT_EQ(net.Points()[3].Height, kNullHeight);
    EXPECT_EQ(net.MapHeader.MinHeight, 0);
    EXPECT_EQ(net.MapHeader.MaxHeight, 1000);
}

TEST(AsciiGridExport, EachHeightIsFollowedByOneBlankWithoutLineEnds)
{
    TNet net;
    MakeGrid(net, 2, 2);
    for (int i = 0; i < 4; ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i + 1);
    EXPECT_EQ(WriteText(kAscii, net), "1 2 3 4 ");
}

TEST(AsciiGridFormat, HeightsAndNullsSurviveTheRoundTrip)
{
    TNet net;
    MakeGrid(net, 30, 20);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i % 11 == 0 ? kNullHeight : static_cast<int>(i * 37 % 4000) - 500);
    TNet copy;
    MakeGrid(copy, 30, 20);
    ReadText(kAscii, WriteText(kAscii, net), copy);
    EXPECT_EQ(copy.Points(), net.Points());
}

TEST(AsciiGridFormat, IdentifiesListsOfNumbers)
{
    EXPECT_EQ(IdentifyText(kAscii, " 12 -4\r\n7 "), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kAscii, "P2\n3 2"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kAscii, ""), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kAscii, "12 4 x7"), FileVerdict::Damaged);
    // A word cut by the end of a full head is not judged.
    std::string head(kIdentifyBytes - 3, ' ');
    head += "1x2";
    head.replace(0, 3, "42 ");
    EXPECT_EQ(IdentifyText(kAscii, head), FileVerdict::Mine);
}

TEST(AsciiGridImport, StopsWhenAskedKeepingWhatWasStored)
{
    TNet net;
    MakeGrid(net, 500, 500);
    std::string text;
    for (int i = 0; i < 250000; ++i)
        text += "7 ";
    StoppingProgress progress;
    EXPECT_EQ(ReadStopping(kAscii, text, net, progress), ImportOutcome::Cancelled);
    EXPECT_EQ(net.Points().front().Height, 7);
    EXPECT_EQ(net.Points().back().Height, kNullHeight);
    EXPECT_EQ(progress.captions, std::vector<std::string>{"Importing|ASCII heights"});
    EXPECT_EQ(progress.hidden, 1);
}

}  // namespace
}  // namespace tarn
