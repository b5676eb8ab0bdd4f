// Triangulated networks written as VRML97 worlds.
#include "VrmlStructure.h"

#include "analysis/polyred/PolygonReduction.h"
#include "exchange/VrmlWriter.h"
#include "model/Progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tarn {
namespace {

using test::VrmlNode;

TTin HillNetwork()
{
    THeightField field{60, 40, 30, {}};
    for (int row = 0; row < field.rows; ++row)
        for (int column = 0; column < field.columns; ++column)
            field.heights.push_back(static_cast<std::int16_t>(300 + 200 * std::sin(column * 0.2) * std::cos(row * 0.15)));
    NullProgress quiet;
    return *ReduceHeightField(field, {400, 1}, quiet);
}

std::vector<VrmlNode> WrittenWorld(const TTin& tin, const TVrmlOptions& options)
{
    std::ostringstream out;
    WriteVrml(out, tin, options);
    return test::VrmlReader(out.str()).Nodes();
}

const VrmlNode& Only(const std::vector<VrmlNode>& nodes, const std::string& type)
{
    const auto count = std::count_if(nodes.begin(), nodes.end(), [&](const VrmlNode& n) { return n.type == type; });
    if (count != 1)
        throw std::runtime_error(std::to_string(count) + " " + type + " nodes");
    return *std::find_if(nodes.begin(), nodes.end(), [&](const VrmlNode& n) { return n.type == type; });
}

TEST(VrmlWriter, WritesAValidWorldWithOneFaceSetHoldingTheNetwork)
{
    const TTin tin = HillNetwork();
    ASSERT_GT(tin.triangles.size(), 300u);
    const auto world = WrittenWorld(tin, {{2.5, 10}, "textures.jpg", 13678735});

    const VrmlNode& faces = Only(world, "Shape").Child("geometry");
    ASSERT_EQ(faces.type, "IndexedFaceSet");
    const auto points = faces.Child("coord").Field("point").Numbers();
    ASSERT_EQ(points.size(), 3 * tin.vertices.size());
    const auto texture = faces.Child("texCoord").Field("point").Numbers();
    ASSERT_EQ(texture.size(), 2 * tin.vertices.size());
    const auto indexes = faces.Field("coordIndex").Numbers();
    ASSERT_EQ(indexes.size(), 4 * tin.triangles.size());
    for (std::size_t i = 0; i < indexes.size(); i += 4) {
        EXPECT_EQ(indexes[i + 3], -1);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_GE(indexes[i + k], 0);
            EXPECT_LT(indexes[i + k], static_cast<double>(tin.vertices.size()));
        }
        // Every face is seen from above: its normal points up (+y).
        const auto corner = [&](std::size_t k, std::size_t axis) {
            return points[3 * static_cast<std::size_t>(indexes[i + k]) + axis];
        };
        const double ux = corner(1, 0) - corner(0, 0), uz = corner(1, 2) - corner(0, 2);
        const double vx = corner(2, 0) - corner(0, 0), vz = corner(2, 2) - corner(0, 2);
        EXPECT_GT(uz * vx - ux * vz, 0) << "triangle " << i / 4;
    }
    for (const double coordinate : texture) {
        EXPECT_GE(coordinate, 0);
        EXPECT_LE(coordinate, 1);
    }
}

TEST(VrmlWriter, VerticesAreScaledAndThePictureCoversTheGridNorthUp)
{
    TTin tin{5, 4, 30, {{0, 0, 100}, {4, 0, 0}, {4, 3, 50}, {0, 3, 0}}, {{0, 3, 2}, {0, 2, 1}}, 0};
    const auto world = WrittenWorld(tin, {{2.5, 10}, "map.bmp", 0});
    const VrmlNode& faces = Only(world, "Shape").Child("geometry");
    // x east, y up, z south: the north-west corner (height 100) is at the
    // back, 100 * 2.5 * 10 / 100 = 25 units high.
    const std::vector<double> expected = {0, 25, -30, 40, 0, -30, 40, 12.5, 0, 0, 0, 0};
    EXPECT_EQ(faces.Child("coord").Field("point").Numbers(), expected);
    EXPECT_EQ(faces.Child("texCoord").Field("point").Numbers(), (std::vector<double>{0, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(faces.Field("coordIndex").Numbers(), (std::vector<double>{0, 3, 2, -1, 0, 2, 1, -1}));
}

TEST(VrmlWriter, BackgroundTakesTheColourAndTheTextureItsName)
{
    TTin tin{2, 2, 10, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 3, 2}, {0, 2, 1}}, 0};
    const auto world = WrittenWorld(tin, {{1, 1}, R"(C:\maps\"a" b.jpg)", 13678735});
    // 13678735 is red 143, green 184, blue 208.
    const auto sky = Only(world, "Background").Field("skyColor").Numbers();
    ASSERT_EQ(sky.size(), 3u);
    EXPECT_NEAR(sky[0], 143 / 255.0, 1e-4);
    EXPECT_NEAR(sky[1], 184 / 255.0, 1e-4);
    EXPECT_NEAR(sky[2], 208 / 255.0, 1e-4);
    const auto& url = Only(world, "Shape").Child("appearance").Child("texture").Field("url").words;
    EXPECT_EQ(url, std::vector<std::string>{R"(C:\maps\"a" b.jpg)"});
    EXPECT_EQ(Only(world, "Viewpoint").Field("description").words, std::vector<std::string>{"South"});
}

TEST(VrmlWriter, WithoutATextureNoPictureAndNoTextureCoordinates)
{
    const TTin tin = HillNetwork();
    const auto world = WrittenWorld(tin, {{1, 1}, "", 0});
    const VrmlNode& shape = Only(world, "Shape");
    EXPECT_FALSE(shape.Child("appearance").fields.contains("texture"));
    EXPECT_FALSE(shape.Child("geometry").fields.contains("texCoord"));
    EXPECT_EQ(Only(world, "Background").Field("skyColor").Numbers(), (std::vector<double>{0, 0, 0}));
}

TEST(VrmlStructureCheck, CatchesTheFaultsItLooksFor)
{
    const auto fault = [](const std::string& text) {
        try {
            (void)test::VrmlReader(text).Nodes();
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(fault("#VRML V2.0 utf8\nShape { geometry IndexedFaceSet { coordIndex [ 0 1 2 -1 ] } }\n"), "");
    EXPECT_NE(fault("#VRML V1.0 ascii\nShape { }\n"), "");
    EXPECT_NE(fault("#VRML V2.0 utf8\nShape { geometry IndexedFaceSet { coordIndex [ 0 1 2 -1 ] }\n"), "");
    EXPECT_NE(fault("#VRML V2.0 utf8\nShape { geometry IndexedFaceSet { coordIndex [ 0 1 2 -1 } }\n"), "");
    EXPECT_NE(fault("#VRML V2.0 utf8\nShape { colour 1 }\n"), "");
    EXPECT_NE(fault("#VRML V2.0 utf8\nCube { }\n"), "");
}

}  // namespace
}  // namespace tarn
