#include "tools/SampleMap.h"

#include "model/Net.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>

using namespace tarn;

TEST(SampleMap, TheBundledSampleIsExactlyWhatTheGeneratorMakes)
{
    TNet net;
    tool::BuildSampleMap(net, 201);
    const auto generated = net.SaveToBytes();
    std::ifstream in(std::string(TARN_SOURCE_DIR) + "/data/sample.lem", std::ios::binary);
    const std::vector<std::uint8_t> bundled(std::istreambuf_iterator<char>(in), {});
    EXPECT_TRUE(generated == bundled) << "data/sample.lem differs from the generator's output; "
                                         "regenerate it with 'tarntool sample data/sample.lem'";
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
