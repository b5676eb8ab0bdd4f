// Plain Pixel Greymaps.
#include "ExchangeTestSupport.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/PgmFormat.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using namespace test;

const TPgmFormat kPgm;

// The width, height and largest value of a greymap's header as the Netpbm
// rules give them: numbers after the magic, '#' comments to the line's end.
std::vector<long long> StandardHeader(const std::string& text)
{
    std::vector<long long> numbers;
    std::size_t at = 2;
    while (numbers.size() < 3 && at < text.size()) {
        if (text[at] == '#')
            at = text.find('\n', at);
        else if (std::isdigit(static_cast<unsigned char>(text[at]))) {
            std::size_t end = at;
            numbers.push_back(std::stoll(text.substr(at), &end));
            at += end;
        } else if (std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
        else
            break;
    }
    return numbers;
}

// A greymap of `columns` x `rows` values, row by row from the top.
std::string Greymap(int columns, int rows, const std::string& afterMagic = "\n# a comment\n")
{
    std::string text = "P2" + afterMagic + std::to_string(columns) + " " + std::to_string(rows) + "\n65535\n";
    for (int i = 0; i < columns * rows; ++i)
        text += std::to_string(i * 3) + (i % 7 == 6 ? "\n" : " ");
    return text;
}

TEST(PgmExport, WritesHeightsAboveTheSmallestWithAFourthLineOfTheSpanPlus1000)
{
    TNet net;
    MakeGrid(net, 3, 2);
    net.MapHeader.MinHeight = 0;
    net.MapHeader.MaxHeight = 1000;
    const std::vector<int> heights{0, 1000, 500, 7, kNullHeight, 12};
    for (std::size_t i = 0; i < heights.size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(heights[i]);
    const std::string text = WriteText(kPgm, net);
    EXPECT_EQ(text, "P2\r\n# Exported from Glenmarrowscape\r\n3 2\r\n2000\r\n0 1000 500  \r\n7 -1001 12  \r\n");
    EXPECT_EQ(StandardHeader(text), (std::vector<long long>{3, 2, 2000})) << "other programs read the header";

    net.MapHeader.MinHeight = -50;
    net.MapHeader.MaxHeight = 250;
    const auto lines = Lines(WriteText(kPgm, net));
    EXPECT_EQ(lines[3], "1300");
    EXPECT_EQ(lines[4], "50 1050 550  ");
}

TEST(PgmImport, MakesANewMapOfTheChosenTypeWithTheGreysAsHeights)
{
    TNet net;
    TImportParameters parameters;
    parameters.greymap.units = MapUnits::Imperial;
    parameters.greymap.spacing = 600;
    std::string text = Greymap(25, 20);
    text.replace(text.find("\n0 3 "), 5, "\n0 -2000 ");
    ASSERT_EQ(ReadText(kPgm, text, net, parameters), ImportOutcome::Completed);
    EXPECT_EQ(net.MapHeader.Columns, 25);
    EXPECT_EQ(net.MapHeader.Rows, 20);
    EXPECT_EQ(net.MapHeader.Spacing, 600);
    EXPECT_EQ(net.MapHeader.MapUnits, static_cast<int>(MapUnits::Imperial));
    EXPECT_EQ(net.Points()[0].Height, 0);
    EXPECT_EQ(net.Points()[1].Height, kNullHeight);
    EXPECT_EQ(net.Points()[499].Height, 1497);
    EXPECT_EQ(net.MapHeader.MaxHeight, 1497);
    EXPECT_EQ(net.MapHeader.MinHeight, -1000);
}

TEST(PgmImport, ReadsHeadersWithoutCommentsWithManyOrWithAFreeSecondLine)
{
    for (const std::string afterMagic : {"\n", " ", "\n# one\n# two\n", "\nExported from Glenmarrowscape\n"}) {
        TNet net;
        ASSERT_EQ(ReadText(kPgm, Greymap(21, 20, afterMagic), net), ImportOutcome::Completed) << afterMagic;
        EXPECT_EQ(net.MapHeader.Columns, 21);
        EXPECT_EQ(net.Points()[419].Height, 419 * 3);
    }
    // Everything on the first line.
    std::string oneLine = "P2 21 20 255";
    for (int i = 0; i < 420; ++i)
        oneLine += " 4";
    TNet net;
    ASSERT_EQ(ReadText(kPgm, oneLine, net), ImportOutcome::Completed);
    EXPECT_EQ(net.Points()[0].Height, 4);
    EXPECT_EQ(net.Points()[419].Height, 4);
}

TEST(PgmFormat, HeightsAndNullsSurviveTheRoundTripOfAMapStartingAtZero)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 30, 20, 30}, DefaultTerrainPalette());
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i % 13 == 0 ? kNullHeight : static_cast<int>(i * 7 % 900));
    TNet copy;
    ASSERT_EQ(ReadText(kPgm, WriteText(kPgm, net), copy), ImportOutcome::Completed);
    EXPECT_EQ(copy.MapHeader.Columns, 30);
    EXPECT_EQ(copy.Points(), net.Points());
}

TEST(PgmImport, DamagedGreymapsEndTheImportKeepingWhatWasStored)
{
    TNet net;
    const std::string text = Greymap(21, 20);
    EXPECT_EQ(ReadError(kPgm, text.substr(0, text.size() - 40), net), msg::DamagedImport);
    EXPECT_EQ(net.Points()[5].Height, 15);
    EXPECT_EQ(net.Points()[419].Height, kNullHeight);
    std::string garbled = text;
    garbled[garbled.rfind(' ')] = 'x';
    EXPECT_EQ(ReadError(kPgm, garbled, net), msg::DamagedImport);
    EXPECT_EQ(ReadError(kPgm, "P5\n21 20\n255\n", net), msg::ForeignImport);
    EXPECT_EQ(ReadError(kPgm, "P2\n21 x\n", net), msg::ForeignImport);
    EXPECT_EQ(ReadError(kPgm, "", net), msg::ForeignImport);
    // Sizes no map can have, refused before anything is read or allocated.
    EXPECT_EQ(ReadError(kPgm, "P2\n10 10\n255\n", net), msg::TooFewGridPoints);
    EXPECT_EQ(ReadError(kPgm, "P2\n99999999999 99999999999\n255\n", net), msg::TooManyGridPoints);
    EXPECT_EQ(ReadError(kPgm, "P2\n40000 2\n255\n", net).substr(0, 5), "E0004");
}

TEST(PgmFormat, IdentifiesPlainGreymaps)
{
    EXPECT_EQ(IdentifyText(kPgm, Greymap(21, 20).substr(0, 60)), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kPgm, "P2\n21 x 20\n"), FileVerdict::Damaged);
    EXPECT_EQ(IdentifyText(kPgm, "P5\n21 20\n255\n"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kPgm, "P25"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kPgm, ""), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
