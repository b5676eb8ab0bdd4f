#include "tools/SampleMap.h"

#include "model/Net.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

using namespace tarn;

namespace {

std::vector<std::uint8_t> BundledSample()
{
    std::ifstream in(std::string(TARN_SOURCE_DIR) + "/data/sample.lem", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

template <typename T>
T ValueAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    T value{};
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

}  // namespace

TEST(SampleMap, TheBundledSampleIsExactlyWhatTheGeneratorMakes)
{
    TNet net;
    tool::BuildSampleMap(net, 201);
    const auto generated = net.SaveToBytes();
    const auto bundled = BundledSample();
    std::size_t firstDifference = 0;
    while (firstDifference < std::min(generated.size(), bundled.size()) &&
           generated[firstDifference] == bundled[firstDifference])
        ++firstDifference;
    EXPECT_TRUE(generated == bundled)
        << "data/sample.lem differs from what the generator makes now (first at byte " << firstDifference
        << "; sizes " << bundled.size() << " and " << generated.size() << "). The bundled file is a fixed point: "
        << "a difference usually means a change to the map model or the file writer moved or changed a field "
           "without meaning to. Look for that first (the header's fields end at byte 2576). Regenerate the file "
           "with 'tarntool sample data/sample.lem' only for a change to the sample that was meant, and say so "
           "in the commit.";
}

// A few values of the bundled file read straight from its bytes, so a
// regenerated file that moved a field does not pass unseen.
TEST(SampleMap, TheBundledSampleHoldsItsKnownHeaderValues)
{
    const auto bytes = BundledSample();
    ASSERT_GT(bytes.size(), 2576u);
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 0), 241);      // Signature
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 3), 201);      // Columns
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 5), 201);      // Rows
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 15), 1);       // MapUnits: Metric
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 21), 30);      // Spacing
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 23), 979);     // MaxHeight
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 25), 160);     // MinHeight
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 264), 40);     // LightAlt
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 266), 135);    // LightAz
    EXPECT_EQ(ValueAt<double>(bytes, 292), -450.0);       // CameraPos x
    EXPECT_EQ(ValueAt<double>(bytes, 300), -600.0);       // CameraPos y
    EXPECT_EQ(ValueAt<std::uint8_t>(bytes, 336), 12);     // DrawingScheme: Gradients
    EXPECT_EQ(ValueAt<std::int16_t>(bytes, 337), 2);      // GridMode: no grid lines
    EXPECT_EQ(ValueAt<std::uint8_t>(bytes, 348), 1);      // DrawTerrains
    EXPECT_EQ(ValueAt<std::uint32_t>(bytes, 2341), 15451296u);  // SkyColour
    EXPECT_EQ(ValueAt<std::uint8_t>(bytes, 2345), 45);    // CliffAngle
    EXPECT_EQ(ValueAt<std::uint8_t>(bytes, 2346), 10);    // ValleyAngle
}

TEST(SampleMap, HoldsEveryStandardTerrainALevelLakeAndAnnotations)
{
    TNet net;
    tool::BuildSampleMap(net, 201);
    EXPECT_EQ(net.MapHeader.Columns, 201);
    EXPECT_EQ(net.MapHeader.MapUnits, 1);
    EXPECT_EQ(net.MapHeader.Spacing, 30);
    std::map<int, int> squaresOf;
    for (const auto& square : net.Squares())
        ++squaresOf[square.Terrain];
    for (int terrain = 0; terrain <= 7; ++terrain)
        EXPECT_GT(squaresOf[terrain], 20) << "terrain " << terrain;
    // The lake is level: every water square has the same mean height.
    for (const auto& square : net.Squares()) {
        if (square.Terrain == 1) {
            ASSERT_EQ(square.MeanHeight, 160);
        }
    }
    std::map<GraphKind, int> objectsOf;
    for (const auto& object : net.Overlays)
        ++objectsOf[object->Kind()];
    EXPECT_EQ(objectsOf.size(), 4u);
    EXPECT_GE(net.Labels.size(), 3u);
    EXPECT_GT(net.MapHeader.MaxHeight - net.MapHeader.MinHeight, 500);
}
