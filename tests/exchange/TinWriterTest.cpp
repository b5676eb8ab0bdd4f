// Triangulated networks written as TIN files, and the model scale both
// polygon formats share.
#include "analysis/polyred/PolygonReduction.h"
#include "exchange/TinWriter.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tarn {
namespace {

struct ReadTin {
    std::vector<std::array<double, 3>> points;
    std::vector<std::array<int, 3>> triangles;
};

// Reads a TIN file back by its documented layout; a fault fails the test.
ReadTin ReadBack(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    ReadTin tin;
    std::getline(in, line);
    EXPECT_EQ(line, "TIN 1");
    while (std::getline(in, line) && line.starts_with("#")) {
    }
    std::size_t count = 0;
    EXPECT_EQ(std::sscanf(line.c_str(), "VERTICES %zu", &count), 1) << line;
    for (std::size_t i = 0; i < count && std::getline(in, line); ++i) {
        std::array<double, 3> point{};
        char rest = 0;
        EXPECT_EQ(std::sscanf(line.c_str(), "%lf %lf %lf%c", &point[0], &point[1], &point[2], &rest), 3) << line;
        tin.points.push_back(point);
    }
    std::getline(in, line);
    EXPECT_EQ(std::sscanf(line.c_str(), "TRIANGLES %zu", &count), 1) << line;
    for (std::size_t i = 0; i < count && std::getline(in, line); ++i) {
        std::array<int, 3> triangle{};
        EXPECT_EQ(std::sscanf(line.c_str(), "%d %d %d", &triangle[0], &triangle[1], &triangle[2]), 3) << line;
        tin.triangles.push_back(triangle);
    }
    std::getline(in, line);
    EXPECT_EQ(line, "END");
    EXPECT_FALSE(std::getline(in, line)) << "nothing after END";
    return tin;
}

std::string Written(const TTin& tin, const TModelScale& scale)
{
    std::ostringstream out;
    WriteTin(out, tin, scale);
    return out.str();
}

TEST(TinWriter, VerticesInModelUnitsEastNorthUpAndTrianglesCounterClockwise)
{
    // A 5 x 4 grid: the north-west corner is 3 grid steps north of the
    // south-west one.
    const TTin tin{5, 4, 30, {{0, 0, 100}, {4, 0, 0}, {4, 3, 50}, {0, 3, -7}}, {{0, 3, 2}, {0, 2, 1}}, 1.5};
    const std::string text = Written(tin, {2.5, 10});
    EXPECT_NE(text.find("# from a grid of 5 x 4 nodes, largest vertical error 1.5\n"), std::string::npos);
    const ReadTin read = ReadBack(text);
    const std::vector<std::array<double, 3>> expected = {{0, 30, 25}, {40, 30, 0}, {40, 0, 12.5}, {0, 0, -1.75}};
    EXPECT_EQ(read.points, expected);
    EXPECT_EQ(read.triangles, tin.triangles);
}

TEST(TinWriter, AReducedNetworkReadsBackWhole)
{
    THeightField field{80, 60, 30, {}};
    for (int row = 0; row < field.rows; ++row)
        for (int column = 0; column < field.columns; ++column)
            field.heights.push_back(static_cast<std::int16_t>(std::lround(400 * std::sin(column * 0.1) * std::sin(row * 0.13))));
    NullProgress quiet;
    const TTin tin = *ReduceHeightField(field, {1000, 0.5}, quiet);
    const ReadTin read = ReadBack(Written(tin, {1, 1}));
    ASSERT_EQ(read.points.size(), tin.vertices.size());
    ASSERT_EQ(read.triangles.size(), tin.triangles.size());
    for (const auto& [a, b, c] : read.triangles) {
        for (const int index : {a, b, c}) {
            ASSERT_GE(index, 0);
            ASSERT_LT(index, static_cast<int>(read.points.size()));
        }
        const auto& p = read.points[static_cast<std::size_t>(a)];
        const auto& q = read.points[static_cast<std::size_t>(b)];
        const auto& r = read.points[static_cast<std::size_t>(c)];
        EXPECT_GT((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]), 0);
    }
}

TEST(ModelScale, StartingValuesMakeTheMapAThousandUnitsAcrossInTrueProportion)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 258, 258, 30}, DefaultTerrainPalette());
    const TModelScale metric = StartingModelScale(net.MapHeader);
    EXPECT_DOUBLE_EQ(metric.horizontal, 1000.0 / 258);
    EXPECT_DOUBLE_EQ(metric.vertical, 1000.0 / 300);
    // 30 m of height is one grid step high.
    const TTin tin{258, 258, 30, {{0, 0, 30}}, {}, 0};
    EXPECT_DOUBLE_EQ(ModelPoint(tin, tin.vertices[0], metric).z, metric.horizontal);

    CreateMap(net, {MapUnits::MicroMetric, 100, 50, 4}, DefaultTerrainPalette());
    const TModelScale micro = StartingModelScale(net.MapHeader);
    EXPECT_DOUBLE_EQ(micro.horizontal, 10);
    EXPECT_DOUBLE_EQ(micro.vertical, 250);
}

}  // namespace
}  // namespace tarn
