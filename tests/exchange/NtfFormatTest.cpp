// Ordnance Survey Panorama tiles in the National Transfer Format.
#include "ExchangeTestSupport.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/NtfFormat.h"
#include "fixtures/NtfLayout.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using namespace test;
using fixtures::BuildNtfTile;
using fixtures::TNtfTileLayout;

const TNtfFormat kNtf;

TImportParameters Sampled(int sample)
{
    TImportParameters parameters;
    parameters.digital.sample = sample;
    return parameters;
}

// A tile written by our own writer from a map whose node (c, r) holds
// c * 7 + r, r counted from the south.
std::string WrittenTile(int columns, int rows)
{
    TNet net;
    MakeGrid(net, columns, rows);
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            SetHeightAt(net, c, r, c * 7 + r);
    return WriteText(kNtf, net);
}

TEST(NtfExport, WritesA401By401TileOfFixedRecordsWithZerosOutsideTheMap)
{
    const std::string tile = WrittenTile(51, 51);
    const auto lines = Lines(tile);
    ASSERT_EQ(lines.size(), 42u + 401u * 24u + 1u);
    EXPECT_EQ(lines[0], R"(01ORDNANCE SURVEY                                       50200V \\0%)");
    EXPECT_EQ(lines[38], "50000000000004010401000100000000000000000000000000000000000000000000000000001%");
    EXPECT_EQ(lines.back(), "99End Of Transfer Set0%");
    EXPECT_NE(tile.find("0%\r\n"), std::string::npos) << "lines end in carriage return and line feed";
    for (int c = 1; c <= 401; ++c) {
        const std::size_t first = 42 + (c - 1) * 24;
        char column[8];
        std::snprintf(column, sizeof column, "%04d", c);
        ASSERT_EQ(lines[first], "51000000000000000000000000" + std::string(column) + column +
                                    "000104010001000100011000000000000000010001%");
        ASSERT_EQ(lines[first + 1], "00000004011%");
        for (int k = 0; k < 21; ++k)
            ASSERT_EQ(lines[first + 2 + k].size(), 80u) << "column " << c << " record " << k;
        ASSERT_EQ(lines[first + 23].size(), 12u);
        ASSERT_EQ(lines[first + 23].substr(10), "0%");
    }
    // Column 1: row 1 (south) is 8, the last map row 58, beyond it zeros.
    EXPECT_EQ(lines[44].substr(0, 10), "0000080009");
    EXPECT_EQ(lines[44 + 2].substr(2 + 4 * 11, 12), "005700580000");
    EXPECT_EQ(lines[42 + 51 * 24 + 2].substr(0, 6), "000000") << "column 52 lies beyond the map";
}

TEST(NtfExport, HeightsTheFieldCannotHoldAreClampedAndNoRecordLosesItsAlignment)
{
    TNet net;
    MakeGrid(net, 21, 20);
    SetHeightAt(net, 1, 1, kNullHeight);
    SetHeightAt(net, 1, 2, -1500);
    SetHeightAt(net, 1, 3, 12000);
    SetHeightAt(net, 1, 4, -12);
    SetHeightAt(net, 1, 5, -999);
    SetHeightAt(net, 1, 6, 9999);
    const auto lines = Lines(WriteText(kNtf, net));
    EXPECT_EQ(lines[44].substr(2, 24), "0000-9999999-012-9999999");
    for (int k = 0; k < 21; ++k)
        EXPECT_EQ(lines[44 + k].size(), 80u) << k;
    EXPECT_EQ(NtfHeightField(kNullHeight), "0000");
    EXPECT_EQ(NtfHeightField(-1000), "-999");
    EXPECT_EQ(NtfHeightField(32767), "9999");
    EXPECT_EQ(NtfHeightField(42), "0042");
}

TEST(NtfImport, SampleStep4MakesA101By101MapOf50MetreSpacing)
{
    TNet net;
    ASSERT_EQ(ReadText(kNtf, WrittenTile(401, 401), net, Sampled(4)), ImportOutcome::Completed);
    EXPECT_EQ(net.MapHeader.Columns, 101);
    EXPECT_EQ(net.MapHeader.Rows, 101);
    EXPECT_EQ(net.MapHeader.Spacing, 50);
    EXPECT_EQ(net.MapHeader.MapUnits, static_cast<int>(MapUnits::Metric));
    // Map node (c, r) holds the tile's value at column and row 4(c-1)+1.
    EXPECT_EQ(HeightAt(net, 1, 1), 8);
    EXPECT_EQ(HeightAt(net, 2, 3), 5 * 7 + 9);
    EXPECT_EQ(HeightAt(net, 101, 101), 401 * 7 + 401);
    EXPECT_EQ(net.MapHeader.MaxHeight, 401 * 8);
    EXPECT_EQ(net.MapHeader.MinHeight, 8);
}

TEST(NtfFormat, A401By401MapSurvivesTheRoundTrip)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 401, 401, 50}, DefaultTerrainPalette());
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(static_cast<int>(i * 7919 % 5000) - 400);
    TNet copy;
    ASSERT_EQ(ReadText(kNtf, WriteText(kNtf, net), copy, Sampled(1)), ImportOutcome::Completed);
    ASSERT_EQ(copy.MapHeader.Columns, 401) << "every column of the tile, no empty one beyond";
    ASSERT_EQ(copy.MapHeader.Rows, 401);
    EXPECT_EQ(copy.Points(), net.Points());
}

TEST(NtfImport, ReadsTilesLaidOutByTheRecordRulesNotOnlyOurOwn)
{
    // Records of 61 and of 97 characters cut inside fields, line feeds only,
    // blanks after some records, a header line of 300 characters, and the
    // values scaled: offset 100 plus half the field.
    TNtfTileLayout layout;
    layout.value = [](int c, int r) { return c == 3 && r == 2 ? -40 : c * 20 + r; };
    layout.valueOffset = 100;
    layout.scaleThousandths = 500;
    layout.lineEnd = "\n";
    layout.longHeaderLine = true;
    layout.paddedLines = true;
    for (const std::size_t width : {61u, 97u}) {
        layout.recordWidth = width;
        TNet net;
        ASSERT_EQ(ReadText(kNtf, BuildNtfTile(layout), net, Sampled(1)), ImportOutcome::Completed) << width;
        EXPECT_EQ(net.MapHeader.Columns, 21) << "the grid header's size";
        EXPECT_EQ(net.MapHeader.Rows, 20);
        EXPECT_EQ(HeightAt(net, 1, 1), 100 + 10 + 0) << "21 halved rounds to even";
        EXPECT_EQ(HeightAt(net, 21, 20), 100 + 220);
        EXPECT_EQ(HeightAt(net, 3, 2), 80);
    }
}

TEST(NtfImport, LoadsIntoTheOpenMapAtTheOriginAfterTheOffsets)
{
    TNet net;
    MakeGrid(net, 30, 25);
    SetHeightAt(net, 30, 25, 555);
    TImportParameters parameters = Sampled(1);
    auto& d = parameters.digital;
    d.autoSize = false;
    d.xOffset = 2;
    d.yOffset = 1;
    d.originX = 3;
    d.originY = 4;
    d.nullDefault = false;
    d.defaultHeight = 9;
    ASSERT_EQ(ReadText(kNtf, BuildNtfTile({}), net, parameters), ImportOutcome::Completed);
    EXPECT_EQ(net.MapHeader.Columns, 30) << "the open map keeps its size";
    // File column 3 and row 2 land in map column 1 + 3, row 1 + 4.
    EXPECT_EQ(HeightAt(net, 4, 5), 3 * 10 + 2);
    EXPECT_EQ(HeightAt(net, 3, 5), 9) << "west of the origin: the default height";
    EXPECT_EQ(HeightAt(net, 30, 25), 9) << "the open map was cleared first";
    EXPECT_EQ(HeightAt(net, 4 + 18, 5 + 18), 21 * 10 + 20);
}

TEST(NtfImport, KeptColumnsFillTheMapFromItsFirstColumnWhateverTheOffset)
{
    TNet net;
    MakeGrid(net, 30, 30);
    TImportParameters parameters = Sampled(2);
    parameters.digital.autoSize = false;
    parameters.digital.xOffset = 1;
    ReadText(kNtf, BuildNtfTile({}), net, parameters);
    // Columns 3, 5, 7... of the file are kept (every second one after the
    // offset, counted from the first); the first goes to map column 1.
    EXPECT_EQ(HeightAt(net, 1, 1), 3 * 10 + 1);
    EXPECT_EQ(HeightAt(net, 2, 1), 5 * 10 + 1);
    EXPECT_EQ(HeightAt(net, 2, 2), 5 * 10 + 3);
}

TEST(NtfImport, ReadsFieldsOfEarlierExportsThatPaddedNegativeHeightsWithZerosFirst)
{
    TNtfTileLayout layout;
    layout.value = [](int c, int r) { return c == 1 && r == 1 ? 4321 : 0; };
    std::string tile = BuildNtfTile(layout);
    // Column 1's first value as an earlier writer wrote -11.
    tile.replace(tile.find("4321", tile.find("\n51")), 4, "0-11");
    TNet net;
    ReadText(kNtf, tile, net, Sampled(1));
    EXPECT_EQ(HeightAt(net, 1, 1), -11);
}

TEST(NtfImport, DamagedTilesEndTheImportKeepingWhatWasStored)
{
    const std::string tile = WrittenTile(51, 51);
    TNet net;
    // Cut inside column 3's values.
    const std::size_t cut = tile.find("5100000000000000000000000000030003");
    EXPECT_EQ(ReadError(kNtf, tile.substr(0, cut + 500), net, Sampled(1)), msg::DamagedImport);
    EXPECT_EQ(HeightAt(net, 2, 51), 2 * 7 + 51);
    // A continuation that is missing its "00".
    std::string broken = tile;
    broken.replace(broken.find("\r\n00000004011%") + 2, 2, "xx");
    EXPECT_EQ(ReadError(kNtf, broken, net, Sampled(1)), msg::DamagedImport);
    // A continuation of only "00%", without its flag.
    std::string flagless = tile;
    const std::size_t next = flagless.find("\r\n00000004011%") + 2;
    flagless.replace(next, flagless.find('\r', next) - next, "00%");
    EXPECT_EQ(ReadError(kNtf, flagless, net, Sampled(1)), msg::DamagedImport);
    // A height that is no number.
    std::string garbled = tile;
    garbled.replace(garbled.find("00000004011%") + 16, 4, "1x2y");
    EXPECT_EQ(ReadError(kNtf, garbled, net, Sampled(1)), msg::DamagedImport);
    // A column claiming more values than the grid has rows.
    std::string counted = tile;
    counted.replace(counted.find("00000004011%"), 12, "00999999991%");
    EXPECT_EQ(ReadError(kNtf, counted, net, Sampled(1)), msg::DamagedImport);
}

TEST(NtfImport, FilesWithoutAHeightGridAreNotTiles)
{
    TNet net;
    EXPECT_EQ(ReadError(kNtf, "", net), msg::ForeignImport);
    EXPECT_EQ(ReadError(kNtf, "P2\n1 2 3\n", net), msg::ForeignImport);
    EXPECT_EQ(ReadError(kNtf, "01ORDNANCE SURVEY0%\r\n99END0%\r\n", net), msg::ForeignImport);
    // A grid header no map can be made of.
    std::string tile = BuildNtfTile({});
    tile.replace(tile.find("50000000000700210020"), 20, "50000000000799999999");
    EXPECT_EQ(ReadError(kNtf, tile, net, Sampled(1)), msg::TooManyGridPoints);
}

TEST(NtfFormat, IdentifiesVolumeHeaders)
{
    EXPECT_EQ(IdentifyText(kNtf, WrittenTile(21, 21).substr(0, 600)), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kNtf, "01ORDNANCE SURVEY  \n"), FileVerdict::Damaged);
    EXPECT_EQ(IdentifyText(kNtf, "1 2 3"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kNtf, ""), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
