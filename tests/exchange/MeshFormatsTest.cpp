#include "exchange/BmpCodec.h"
#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "exchange/TerrainMesh.h"

#include "../common/TempPath.h"
#include "ExchangeTestSupport.h"
#include "model/Errors.h"

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace tarn {
namespace {

namespace fs = std::filesystem;
using test::MakeGrid;
using test::UniqueTempPath;

// A 30 x 20 Metric map 25 m apart: a hill from 100 to 400 m, with one
// null node, whose four squares the meshes leave out.
void MakeHill(TNet& net)
{
    MakeGrid(net, 30, 20, MapUnits::Metric, 25);
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 30; ++c)
            net.Points()[static_cast<std::size_t>(r * 30 + c)].Height =
                static_cast<std::int16_t>(100 + 300 * std::exp(-((c - 15) * (c - 15) + (r - 10) * (r - 10)) / 40.0));
    net.Points()[5 * 30 + 5].Height = kNullHeight;
    net.MapHeader.MaxHeight = 400;
    net.MapHeader.MinHeight = 100;
    net.UpdateSquares();
}

double TwiceArea(const std::array<float, 3>& a, const std::array<float, 3>& b, const std::array<float, 3>& c)
{
    // Seen from above: x east, z south; positive when counter-clockwise.
    return (b[0] - a[0]) * -(c[2] - a[2]) - (c[0] - a[0]) * -(b[2] - a[2]);
}

TEST(TerrainMesh, EverySquareWithHeightsGivesTwoTrianglesFacingUp)
{
    TNet net;
    MakeHill(net);
    NullProgress quiet;
    const TTerrainMesh mesh = BuildTerrainMesh(net, {}, quiet);
    EXPECT_EQ(mesh.triangles.size(), 2u * (29 * 19 - 4));
    EXPECT_EQ(mesh.positions.size(), 600u - 1);  // the null node alone is unused
    for (const auto& triangle : mesh.triangles) {
        ASSERT_GT(TwiceArea(mesh.positions[triangle[0]], mesh.positions[triangle[1]], mesh.positions[triangle[2]]), 0);
        ASSERT_EQ(std::set<std::uint32_t>(triangle.begin(), triangle.end()).size(), 3u);
    }
    std::array<float, 3> low{1e9f, 1e9f, 1e9f};
    std::array<float, 3> high{-1e9f, -1e9f, -1e9f};
    for (const auto& p : mesh.positions)
        for (std::size_t axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], p[axis]);
            high[axis] = std::max(high[axis], p[axis]);
        }
    EXPECT_FLOAT_EQ(low[0], -362.5f);  // 29 squares of 25 m, about the centre
    EXPECT_FLOAT_EQ(high[0], 362.5f);
    EXPECT_FLOAT_EQ(low[2], -237.5f);
    EXPECT_FLOAT_EQ(high[2], 237.5f);
    EXPECT_FLOAT_EQ(low[1], 100);
    EXPECT_FLOAT_EQ(high[1], 400);
    for (const auto& n : mesh.normals)
        ASSERT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1, 1e-5);
    EXPECT_TRUE(mesh.pictureCoordinates.empty());
}

TEST(TerrainMesh, AReducedMeshKeepsItsBudgetAndLeavesNullSquaresOut)
{
    TNet net;
    MakeHill(net);
    NullProgress quiet;
    TMeshExportOptions options;
    options.polygons = 200;
    options.tolerance = 1;
    const TTerrainMesh mesh = BuildTerrainMesh(net, options, quiet);
    EXPECT_LE(mesh.triangles.size(), 200u);
    EXPECT_GT(mesh.triangles.size(), 100u);
    for (const auto& triangle : mesh.triangles)
        ASSERT_GT(TwiceArea(mesh.positions[triangle[0]], mesh.positions[triangle[1]], mesh.positions[triangle[2]]), 0);

    options.polygons = 1;
    EXPECT_THROW(BuildTerrainMesh(net, options, quiet), ETarnError);
}

TEST(TerrainMesh, ImperialHeightsAreInMetresAndAStopIsReported)
{
    TNet net;
    MakeGrid(net, 20, 20, MapUnits::Imperial, 100);
    for (auto& point : net.Points())
        point.Height = 1000;
    net.UpdateSquares();
    NullProgress quiet;
    const TTerrainMesh mesh = BuildTerrainMesh(net, {}, quiet);
    EXPECT_FLOAT_EQ(mesh.positions[0][1], 304.8f);
    // The first triangle: the north-west, south-west and south-east nodes.
    EXPECT_NEAR(mesh.positions[2][0] - mesh.positions[0][0], 30.48, 1e-4);
    EXPECT_NEAR(mesh.positions[1][2] - mesh.positions[0][2], 30.48, 1e-4);

    TNet large;
    MakeGrid(large, 400, 400);
    for (auto& point : large.Points())
        point.Height = 10;
    large.UpdateSquares();
    test::StoppingProgress stopping;
    try {
        BuildTerrainMesh(large, {}, stopping);
        FAIL() << "not stopped";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), "E0158 Mesh cannot be written: the export was stopped");
    }
}

class MeshFiles : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const auto& path : files)
            fs::remove(path);
    }
    fs::path File(const std::string& stem, const std::string& extension)
    {
        files.push_back(UniqueTempPath(stem, extension));
        return files.back();
    }
    void Export(const char* format, const TNet& net, const fs::path& file, const TExportParameters& parameters = {})
    {
        NullProgress quiet;
        ExportFile(*FindFormat(format), net, file, parameters, quiet);
    }
    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<fs::path> files;
};

template <typename Value>
std::vector<Value> AccessorValues(const tinygltf::Model& model, int index)
{
    const auto& accessor = model.accessors.at(static_cast<std::size_t>(index));
    const auto& view = model.bufferViews.at(static_cast<std::size_t>(accessor.bufferView));
    const auto& buffer = model.buffers.at(static_cast<std::size_t>(view.buffer));
    const std::size_t count = accessor.count * static_cast<std::size_t>(tinygltf::GetNumComponentsInType(
                                                   static_cast<std::uint32_t>(accessor.type)));
    std::vector<Value> values(count);
    std::memcpy(values.data(), buffer.data.data() + view.byteOffset + accessor.byteOffset, count * sizeof(Value));
    return values;
}

TEST_F(MeshFiles, TheGlbLoadsBackInTheGltfLibraryWithTheMapsMesh)
{
    TNet net;
    MakeHill(net);
    const auto file = File("terrain", ".glb");
    Export("gltf", net, file);

    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string error;
    std::string warning;
    ASSERT_TRUE(loader.LoadBinaryFromFile(&model, &error, &warning, file.string())) << error;
    EXPECT_TRUE(warning.empty()) << warning;
    ASSERT_EQ(model.meshes.size(), 1u);
    const auto& primitive = model.meshes[0].primitives.at(0);
    EXPECT_EQ(primitive.mode, TINYGLTF_MODE_TRIANGLES);
    const auto& positions = model.accessors.at(static_cast<std::size_t>(primitive.attributes.at("POSITION")));
    EXPECT_EQ(positions.count, 599u);
    EXPECT_EQ(positions.minValues, (std::vector<double>{-362.5, 100, -237.5}));
    EXPECT_EQ(positions.maxValues, (std::vector<double>{362.5, 400, 237.5}));
    EXPECT_EQ(model.accessors.at(static_cast<std::size_t>(primitive.attributes.at("NORMAL"))).count, 599u);
    EXPECT_EQ(model.accessors.at(static_cast<std::size_t>(primitive.attributes.at("COLOR_0"))).count, 599u);
    const auto indices = AccessorValues<std::uint32_t>(model, primitive.indices);
    ASSERT_EQ(indices.size(), 3u * 2u * (29 * 19 - 4));
    const auto points = AccessorValues<float>(model, primitive.attributes.at("POSITION"));
    for (std::size_t t = 0; t < indices.size(); t += 3) {
        const auto corner = [&](std::size_t k) {
            const std::size_t at = indices[t + k] * 3u;
            return std::array<float, 3>{points[at], points[at + 1], points[at + 2]};
        };
        ASSERT_GT(TwiceArea(corner(0), corner(1), corner(2)), 0) << t / 3;
    }
}

TEST_F(MeshFiles, APictureIsDrapedOverTheGltfAndNamedByTheObjMaterial)
{
    TNet net;
    MakeHill(net);
    const auto picture = File("overlay", ".bmp");
    auto pixels = TDibPicture::Blank(8, 4);
    pixels.SetPixel(0, 0, {255, 0, 0});
    WriteBmpFile(picture, pixels);
    TExportParameters parameters;
    parameters.mesh.texture = picture.string();

    const auto glb = File("draped", ".gltf");
    Export("gltf", net, glb, parameters);
    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string error;
    std::string warning;
    ASSERT_TRUE(loader.LoadASCIIFromFile(&model, &error, &warning, glb.string())) << error;
    ASSERT_EQ(model.images.size(), 1u);
    EXPECT_EQ(model.images[0].width, 8);
    EXPECT_EQ(model.images[0].height, 4);
    EXPECT_EQ(model.images[0].image[0], 255);  // the red north-west pixel
    EXPECT_EQ(model.images[0].image[1], 0);
    EXPECT_EQ(model.materials.at(0).pbrMetallicRoughness.baseColorTexture.index, 0);
    const auto uv = AccessorValues<float>(model, model.meshes[0].primitives[0].attributes.at("TEXCOORD_0"));
    EXPECT_EQ(uv[0], 0);  // the north-west node
    EXPECT_EQ(uv[1], 0);

    const auto obj = File("draped", ".obj");
    files.push_back(fs::path(obj).replace_extension(".mtl"));
    Export("obj", net, obj, parameters);
    const std::string material = Read(files.back());
    EXPECT_NE(material.find("map_Kd " + picture.filename().string()), std::string::npos) << material;
    const std::string text = Read(obj);
    EXPECT_NE(text.find("mtllib " + files.back().filename().string() + "\n"), std::string::npos);
    EXPECT_NE(text.find("\nvt 0 1\n"), std::string::npos) << "the north-west node at the top of the picture";
}

TEST_F(MeshFiles, TheObjHoldsTheMeshVertexForVertex)
{
    TNet net;
    MakeHill(net);
    const auto obj = File("terrain", ".obj");
    files.push_back(fs::path(obj).replace_extension(".mtl"));
    Export("obj", net, obj);
    std::ifstream in(obj);
    int vertices = 0;
    int normals = 0;
    int faces = 0;
    int pictured = 0;
    for (std::string line; std::getline(in, line);) {
        const std::string tag = line.substr(0, line.find(' '));
        vertices += tag == "v";
        normals += tag == "vn";
        faces += tag == "f";
        pictured += tag == "vt";
        if (tag == "v") {
            std::istringstream fields(line.substr(2));
            double x, y, z, red, green, blue;
            ASSERT_TRUE(fields >> x >> y >> z >> red >> green >> blue) << line;
            ASSERT_TRUE(red >= 0 && red <= 1 && green >= 0 && green <= 1 && blue >= 0 && blue <= 1) << line;
        }
        if (tag == "f") {
            ASSERT_NE(line.find("//"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(vertices, 599);
    EXPECT_EQ(normals, 599);
    EXPECT_EQ(faces, 2 * (29 * 19 - 4));
    EXPECT_EQ(pictured, 0);
    EXPECT_EQ(Read(files.back()), "newmtl terrain\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nillum 1\n");
}

}  // namespace
}  // namespace tarn
