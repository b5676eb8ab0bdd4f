// AutoCAD release 12 polygon meshes.
#include "ExchangeTestSupport.h"
#include "exchange/DxfFormat.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarn {
namespace {

using namespace test;

const TDxfFormat kDxf;

TEST(DxfExport, OnePolygonMeshOfAVertexPerNode)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 20, 20, 10}, DefaultTerrainPalette());
    const std::string text = WriteText(kDxf, net);
    const auto lines = Lines(text);
    const std::vector<std::string> head{" 0", "SECTION", " 2", "ENTITIES", " 0", "POLYLINE", " 8", "0", " 66", "     1",
                                        " 10", "0", " 20", "0", " 30", "0", " 70", "     16", " 71", "    20",
                                        " 72", "    20"};
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 22), head);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "VERTEX"), 400);
    const std::vector<std::string> tail{" 0", "SEQEND", " 8", "0", " 0", "ENDSEC", " 0", "EOF"};
    EXPECT_EQ(std::vector<std::string>(lines.end() - 8, lines.end()), tail);
    EXPECT_EQ(lines.size(), 22u + 400u * 12u + 8u);
    EXPECT_NE(text.find("VERTEX\r\n"), std::string::npos);
}

TEST(DxfExport, VerticesAreWorldPositionsWithHeightsScaledToWorldUnits)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 20, 25, 10}, DefaultTerrainPalette());
    net.Points()[0].Height = 250;
    net.Points()[1].Height = kNullHeight;
    const auto lines = Lines(WriteText(kDxf, net));
    const auto& first = net.Points()[0];
    const std::vector<std::string> vertex{" 0", "VERTEX", " 8", "0", " 10", std::to_string(first.X + 500), " 20",
                                          std::to_string(first.Y + 500), " 30", "", " 70", "    64"};
    const double factor = net.MapHeader.UnitScale * 0.001;
    char height[32];
    std::snprintf(height, sizeof height, "%8.2f", 250 * factor);
    auto expected = vertex;
    expected[9] = height;
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 22, lines.begin() + 34), expected);
    std::snprintf(height, sizeof height, "%8.2f", kNullHeight * factor);
    EXPECT_EQ(lines[22 + 12 + 9], height) << "nulls are scaled like any height";
    EXPECT_EQ(lines[22 + 12 + 5], std::to_string(net.Points()[1].X + 500));
}

TEST(DxfExport, TheHeightFactorFollowsTheMapsUnits)
{
    const auto heightLine = [](MapUnits units) {
        TNet net;
        MakeGrid(net, 21, 20, units, 10);
        net.MapHeader.UnitScale = 100;
        net.Points()[0].Height = 528;
        return Lines(WriteText(kDxf, net))[22 + 9];
    };
    EXPECT_EQ(heightLine(MapUnits::Imperial), "   10.00");
    EXPECT_EQ(heightLine(MapUnits::Metric), "   52.80");
    EXPECT_EQ(heightLine(MapUnits::MicroMetric), " 2640.00");
}

TEST(DxfFormat, WritesButDoesNotRead)
{
    EXPECT_TRUE(kDxf.Description().canWrite);
    EXPECT_FALSE(kDxf.Description().canRead);
    EXPECT_EQ(IdentifyText(kDxf, " 0\r\nSECTION\r\n"), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
