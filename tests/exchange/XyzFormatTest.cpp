// The suite's own x,y,z,attribute lists.
#include "ExchangeTestSupport.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/XyzFormat.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using namespace test;

const TXyzFormat kXyz;

// A list over a grid of 21 x 20 nodes 10 apart, with attributes.
std::string List(const std::string& lines, const std::string& header = "m,0,0,200,190,10,10,attr")
{
    return header + "\r\nExported from Glenmarrowscape\r\n2\r\n1,8421504,Moor\r\n2,255,Heath\r\n" + lines;
}

TImportParameters IntoOpenMap()
{
    TImportParameters parameters;
    parameters.digital.autoSize = false;
    return parameters;
}

int TerrainOfSquare(const TNet& net, int c, int r)
{
    // The square whose south-west corner is node (c, r).
    const int columns = net.MapHeader.Columns;
    return net.GetSquare(c + (columns - 1) * (net.MapHeader.Rows - r - 1))->Terrain;
}

TEST(XyzImport, AttributesGiveTerrainsByLetterOrNumber)
{
    EXPECT_EQ(TerrainOfAttribute("C"), 2);
    EXPECT_EQ(TerrainOfAttribute("c"), 2);
    EXPECT_EQ(TerrainOfAttribute("I"), 8);
    EXPECT_EQ(TerrainOfAttribute("3"), 10);
    EXPECT_EQ(TerrainOfAttribute("16"), 23);
    EXPECT_EQ(TerrainOfAttribute("20"), 0);
    EXPECT_EQ(TerrainOfAttribute("-10"), 0) << "no terrain code below 0 either";
    EXPECT_EQ(TerrainOfAttribute("J"), std::nullopt);
    EXPECT_EQ(TerrainOfAttribute(""), std::nullopt);

    TNet net;
    ASSERT_EQ(ReadText(kXyz, List("0,0,5.0,C\r\n10,0,6.0,3\r\n20,0,7.0,20 trailing\r\n"), net), ImportOutcome::Completed);
    EXPECT_EQ(TerrainOfSquare(net, 1, 1), 2);
    EXPECT_EQ(TerrainOfSquare(net, 2, 1), 10);
    EXPECT_EQ(TerrainOfSquare(net, 3, 1), 0);
}

TEST(XyzImport, AutoSizeMakesAMapOfEveryNodeOfTheListsExtent)
{
    TNet net;
    ReadText(kXyz, List("0,0,5.0,A\r\n200,190,9.0,A\r\n"), net);
    EXPECT_EQ(net.MapHeader.Columns, 21);
    EXPECT_EQ(net.MapHeader.Rows, 20);
    EXPECT_EQ(net.MapHeader.Spacing, 10);
    EXPECT_EQ(HeightAt(net, 1, 1), 5);
    EXPECT_EQ(HeightAt(net, 21, 20), 9) << "the north-east corner has its node";
    EXPECT_EQ(HeightAt(net, 2, 1), kNullHeight);
    EXPECT_EQ(net.MapHeader.MaxHeight, 9);
    EXPECT_EQ(net.MapHeader.MinHeight, 5);
}

TEST(XyzImport, LinesWithTheNullHeightChangeNothing)
{
    TNet net;
    MakeGrid(net, 21, 20);
    SetHeightAt(net, 2, 2, 77);
    TImportParameters parameters = IntoOpenMap();
    parameters.digital.overwrite = false;
    ReadText(kXyz, List("10,10,-1001,C\r\n"), net, parameters);
    EXPECT_EQ(HeightAt(net, 2, 2), 77);
    EXPECT_EQ(TerrainOfSquare(net, 2, 2), 0);
}

TEST(XyzImport, TheSouthEastSquareCanReceiveAnAttribute)
{
    TNet net;
    ReadText(kXyz, List("190,0,5.0,E\r\n200,0,5.0,F\r\n190,180,5.0,G\r\n"), net);
    EXPECT_EQ(net.Squares().back().Terrain, 4) << "node (20, 1) owns the south-east square";
    EXPECT_EQ(TerrainOfSquare(net, 20, 19), 6);
}

TEST(XyzImport, LoadsIntoTheOpenMapWithoutWrappingPastItsEasternEdge)
{
    TNet net;
    MakeGrid(net, 21, 20);
    TImportParameters parameters = IntoOpenMap();
    parameters.digital.originX = 15;
    parameters.digital.originY = 2;
    ReadText(kXyz, List("0,0,5.0,B\r\n50,0,6.0,B\r\n60,10,7.0,B\r\n"), net, parameters);
    EXPECT_EQ(HeightAt(net, 16, 3), 5);
    EXPECT_EQ(HeightAt(net, 21, 3), 6);
    EXPECT_EQ(TerrainOfSquare(net, 16, 3), 1);
    // File column 7 would lie in map column 22: dropped, not moved into the
    // row to the south, whose first node and square stay as they were.
    EXPECT_EQ(HeightAt(net, 1, 3), kNullHeight);
    EXPECT_EQ(TerrainOfSquare(net, 2, 3), 0);
}

TEST(XyzImport, SamplingKeepsEveryNthNodeAfterTheOffsets)
{
    TNet net;
    TImportParameters parameters;
    parameters.digital.sample = 2;
    parameters.digital.xOffset = 1;
    std::string lines;
    for (int x = 0; x <= 200; x += 10)
        lines += std::to_string(x) + ",0," + std::to_string(x) + ".0,A\r\n";
    ReadText(kXyz, List(lines, "m,0,0,200,780,10,10,attr"), net, parameters);
    // Columns 1, 3, 5 ... 19 of the file (counted from 0) are kept: 10
    // columns; rows 0, 2 ... 78: 40 rows.
    EXPECT_EQ(net.MapHeader.Columns, 10);
    EXPECT_EQ(net.MapHeader.Rows, 40);
    EXPECT_EQ(net.MapHeader.Spacing, 20);
    EXPECT_EQ(HeightAt(net, 1, 1), 10);
    EXPECT_EQ(HeightAt(net, 10, 1), 190);
}

TEST(XyzImport, MicroMetricListsHoldMetresAndMapsKeepTenths)
{
    TNet net;
    ReadText(kXyz, List("0,0,12.3,A\r\n10,0,-0.5,A\r\n", "u,0,0,200,190,10,10,attr"), net);
    EXPECT_EQ(net.MapHeader.MapUnits, static_cast<int>(MapUnits::MicroMetric));
    EXPECT_EQ(HeightAt(net, 1, 1), 123);
    EXPECT_EQ(HeightAt(net, 2, 1), -5);
}

TEST(XyzImport, HeaderNumbersAreReadWhole)
{
    TNet net;
    ReadText(kXyz, List("123456780,0,5.0\r\n123456790,10,6.0\r\n", "m,123456780,0,123456980,190,10,10"), net);
    EXPECT_EQ(HeightAt(net, 1, 1), 5);
    EXPECT_EQ(HeightAt(net, 2, 2), 6);
    EXPECT_EQ(TerrainOfSquare(net, 1, 1), 0) << "no attributes without the flag";
}

TEST(XyzImport, DamagedListsEndTheImportKeepingWhatWasStored)
{
    TNet net;
    EXPECT_EQ(ReadError(kXyz, List("0,0,5.0,A\r\n10;0;6.0\r\n20,0,7.0,A\r\n"), net), msg::DamagedImport);
    EXPECT_EQ(HeightAt(net, 1, 1), 5);
    EXPECT_EQ(HeightAt(net, 3, 1), kNullHeight);
    EXPECT_EQ(ReadError(kXyz, List("0,0,5.0,Q\r\n"), net), msg::DamagedImport) << "no such attribute";
    EXPECT_EQ(ReadError(kXyz, List("0,0,high,A\r\n"), net), msg::DamagedImport);
    EXPECT_EQ(ReadError(kXyz, List("", "m,0,0,200,190,0,10,attr"), net), msg::DamagedImport) << "a step of 0";
    EXPECT_EQ(ReadError(kXyz, List("", "m,0,0,200"), net), msg::DamagedImport);
    EXPECT_EQ(ReadError(kXyz, List("", "m,0,0,99999999,99999999,1,1"), net), msg::TooManyGridPoints);
    EXPECT_EQ(ReadError(kXyz, "m,0,0,200,190,10,10\r\nfree\r\n5\r\n1,1,a\r\n", net), msg::DamagedImport)
        << "fewer legend lines than counted";
    EXPECT_EQ(ReadError(kXyz, "m,0,0,200,190,10,10\r\nfree\r\n1\r\nMoor,1,a\r\n", net), msg::DamagedImport);
    EXPECT_EQ(ReadError(kXyz, "x,0,0,200,190,10,10\r\n", net), msg::ForeignImport);
    EXPECT_EQ(ReadError(kXyz, "", net), msg::ForeignImport);
}

// A map with heights, a null, a negative height and terrains.
TNet SampleMap(MapUnits units = MapUnits::Metric)
{
    TNet net;
    // Imperial maps must span a sixth of a mile at least.
    MakeGrid(net, 21, 20, units, units == MapUnits::Imperial ? 50 : 10);
    for (int c = 1; c <= 21; ++c)
        for (int r = 1; r <= 20; ++r)
            SetHeightAt(net, c, r, c * 30 + r);
    SetHeightAt(net, 2, 1, kNullHeight);
    SetHeightAt(net, 3, 1, -45);
    for (std::size_t i = 0; i < net.Squares().size(); ++i)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % kTerrainSlots);
    return net;
}

TEST(XyzExport, WritesTheHeaderALegendOf16LinesAndEveryNodeWithAHeight)
{
    TNet net = SampleMap();
    net.MapHeader.TerrainNames[9].setText("Heather");
    const auto lines = Lines(WriteText(kXyz, net));
    EXPECT_EQ(lines[0], "m,0,0,200,190,10,10,attr");
    EXPECT_EQ(lines[1], "Exported from Glenmarrowscape");
    EXPECT_EQ(lines[2], "16");
    EXPECT_EQ(lines[3], "1,8421504,_user01");
    EXPECT_EQ(lines[4], "2,8421504,Heather");
    EXPECT_EQ(lines[18], "16,8421504,_user16");
    ASSERT_EQ(lines.size(), 19u + 21u * 20u - 1u) << "only the null node is left out";
    EXPECT_EQ(lines[19], "0,0,31.0,A") << "the square north-east of node (1, 1) is the last row's first: 380 % 24";
    EXPECT_EQ(lines[20], "20,0,-45.0,C") << "negative heights are heights too";
}

TEST(XyzExport, AttributesNameTheSquareNorthEastOfEachNode)
{
    TNet net = SampleMap();
    net.Squares()[(20 - 2) * 20].Terrain = 10;  // north-east of node (1, 1)
    net.Squares()[(20 - 2) * 20 + 3].Terrain = 2;
    net.Squares()[(20 - 3) * 20].Terrain = 5;  // the first square of the row above
    const auto lines = Lines(WriteText(kXyz, net));
    EXPECT_EQ(lines[19], "0,0,31.0,3");
    EXPECT_EQ(lines[21], "30,0,121.0,C");
    // Nodes on the eastern and northern edges own no square.
    EXPECT_EQ(lines[19 + 19].substr(lines[19 + 19].rfind(',')), ",A") << "node (21, 1)";
    EXPECT_EQ(lines[39 + 20], "200,10,632.0,A") << "node (21, 2), not the square of node (1, 3)";
    EXPECT_EQ(lines.back().substr(lines.back().rfind(',')), ",A");
}

TEST(XyzFormat, HeightsNullsAndTerrainsSurviveTheRoundTrip)
{
    for (const MapUnits units : {MapUnits::Metric, MapUnits::MicroMetric, MapUnits::Imperial}) {
        const TNet net = SampleMap(units);
        TNet copy;
        ASSERT_EQ(ReadText(kXyz, WriteText(kXyz, net), copy), ImportOutcome::Completed);
        ASSERT_EQ(copy.MapHeader.Columns, 21);
        ASSERT_EQ(copy.MapHeader.Rows, 20);
        EXPECT_EQ(copy.MapHeader.MapUnits, static_cast<int>(units));
        EXPECT_EQ(copy.Points(), net.Points());
        // A square's terrain travels with the node at its south-west corner,
        // so the square of the null node (2, 1) has none.
        const std::size_t nullNodesSquare = 20 * 18 + 1;
        for (std::size_t i = 0; i < net.Squares().size(); ++i)
            ASSERT_EQ(copy.Squares()[i].Terrain, i == nullNodesSquare ? 0 : net.Squares()[i].Terrain) << i;
    }
}

TEST(XyzFormat, IdentifiesTheHeaderLine)
{
    EXPECT_EQ(IdentifyText(kXyz, "m,0,0,200,190,10,10,attr\r\nExported"), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kXyz, "U,0,0,200,190,10,10"), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kXyz, "m,0,0,200\r\n"), FileVerdict::Damaged);
    EXPECT_EQ(IdentifyText(kXyz, "x,0,0,200,190,10,10\r\n"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kXyz, "m"), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kXyz, ""), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
