// The VRML driver: the map reduced and written as a VRML97 world with the
// dialog's texture, background, budget and scale.
#include "ExchangeTestSupport.h"
#include "VrmlStructure.h"
#include "exchange/FormatRegistry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

using namespace test;

TNet Valley()
{
    TNet net;
    MakeGrid(net, 40, 30, MapUnits::Metric, 30);
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= 40; ++c)
            SetHeightAt(net, c, r, std::abs(c - 20) * 15 + r * r / 4 + static_cast<int>(40 * std::sin(c * 0.5)));
    SetHeightAt(net, 10, 10, kNullHeight);
    net.UpdateSquares();
    return net;
}

std::vector<VrmlNode> World(const TPolygonExportOptions& options)
{
    std::ostringstream out(std::ios::binary);
    NullProgress quiet;
    FindFormat("vrml")->Write(Valley(), out, {.polygon = options, .raster = {}, .mesh = {}}, quiet);
    return VrmlReader(out.str()).Nodes();
}

const VrmlNode& NodeOf(const std::vector<VrmlNode>& world, const std::string& type)
{
    return *std::find_if(world.begin(), world.end(), [&](const VrmlNode& node) { return node.type == type; });
}

TEST(VrmlFormat, AValidWorldWithinTheBudgetUnderTheChosenSky)
{
    // 13678735 is red 143, green 184, blue 208.
    const auto world = World({.polygons = 100, .tolerance = 0, .textureMap = "valley.bmp", .backgroundColour = 13678735});
    const auto sky = NodeOf(world, "Background").Field("skyColor").Numbers();
    ASSERT_EQ(sky.size(), 3u);
    EXPECT_NEAR(sky[0], 143 / 255.0, 1e-4);
    EXPECT_NEAR(sky[2], 208 / 255.0, 1e-4);
    const VrmlNode& shape = NodeOf(world, "Shape");
    EXPECT_EQ(shape.Child("appearance").Child("texture").Field("url").words, std::vector<std::string>{"valley.bmp"});
    const VrmlNode& faces = shape.Child("geometry");
    const auto indexes = faces.Field("coordIndex").Numbers();
    EXPECT_LE(indexes.size() / 4, 100u);
    EXPECT_GT(indexes.size() / 4, 50u);
    EXPECT_EQ(faces.Child("texCoord").Field("point").Numbers().size() * 3,
              faces.Child("coord").Field("point").Numbers().size() * 2);
}

TEST(VrmlFormat, NoTextureNamedMeansAPlainSurfaceScaledAsAsked)
{
    const auto world = World({.scale = TModelScale{1, 5}, .textureMap = ""});
    const VrmlNode& shape = NodeOf(world, "Shape");
    EXPECT_EQ(shape.Child("appearance").fields.count("texture"), 0u);
    const VrmlNode& faces = shape.Child("geometry");
    EXPECT_EQ(faces.fields.count("texCoord"), 0u);
    const auto points = faces.Child("coord").Field("point").Numbers();
    double east = 0;
    for (std::size_t i = 0; i < points.size(); i += 3)
        east = std::max(east, points[i]);
    EXPECT_DOUBLE_EQ(east, 39 * 5);
}

}  // namespace
}  // namespace tarn
