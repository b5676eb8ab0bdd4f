#include "exchange/GltfFormat.h"

#include "exchange/BmpCodec.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/StreamIO.h"
#include "exchange/TerrainMesh.h"
#include "model/AtomicFile.h"
#include "model/Errors.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 2> kExtensions{"glb", "gltf"};
constexpr TFormatDescription kDescription{
    .name = "gltf",
    .title = "glTF mesh",
    .extensions = kExtensions,
    .canRead = false,
    .canWrite = true,
};

// Appends the values to the model's one buffer as a view of their own and
// returns the view's number.
template <typename Value>
int AddView(tinygltf::Model& model, const std::vector<Value>& values, int target)
{
    auto& bytes = model.buffers[0].data;
    const std::size_t start = bytes.size();
    const std::size_t length = values.size() * sizeof(Value);
    bytes.resize(start + (length + 3) / 4 * 4);
    std::memcpy(bytes.data() + start, values.data(), length);
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = start;
    view.byteLength = length;
    view.target = target;
    model.bufferViews.push_back(view);
    return static_cast<int>(model.bufferViews.size() - 1);
}

template <typename Value>
int AddAccessor(tinygltf::Model& model, const std::vector<Value>& values, int type, int componentType, int target)
{
    tinygltf::Accessor accessor;
    accessor.bufferView = AddView(model, values, target);
    accessor.componentType = componentType;
    accessor.count = values.size();
    accessor.type = type;
    model.accessors.push_back(accessor);
    return static_cast<int>(model.accessors.size() - 1);
}

int AddPositions(tinygltf::Model& model, const TTerrainMesh& mesh)
{
    const int accessor = AddAccessor(model, mesh.positions, TINYGLTF_TYPE_VEC3, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                     TINYGLTF_TARGET_ARRAY_BUFFER);
    std::array<double, 3> low{0, 0, 0};
    std::array<double, 3> high{0, 0, 0};
    if (!mesh.positions.empty())
        for (std::size_t axis = 0; axis < 3; ++axis) {
            const auto [least, most] = std::minmax_element(
                mesh.positions.begin(), mesh.positions.end(),
                [axis](const auto& a, const auto& b) { return a[axis] < b[axis]; });
            low[axis] = (*least)[axis];
            high[axis] = (*most)[axis];
        }
    model.accessors[static_cast<std::size_t>(accessor)].minValues.assign(low.begin(), low.end());
    model.accessors[static_cast<std::size_t>(accessor)].maxValues.assign(high.begin(), high.end());
    return accessor;
}

// The picture as an image the library stores as PNG.
void AddPicture(tinygltf::Model& model, const std::string& file, tinygltf::Material& material)
{
    const TDibPicture picture = ReadBmpFile(file);
    tinygltf::Image image;
    image.width = picture.width;
    image.height = picture.height;
    image.component = 3;
    image.bits = 8;
    image.pixel_type = TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE;
    image.mimeType = "image/png";
    image.image.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const auto rgb = picture.PixelAt(x, y);
            image.image.insert(image.image.end(), {rgb.red, rgb.green, rgb.blue});
        }
    model.images.push_back(std::move(image));
    tinygltf::Sampler sampler;
    sampler.magFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
    sampler.minFilter = TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_LINEAR;
    sampler.wrapS = sampler.wrapT = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
    model.samplers.push_back(sampler);
    tinygltf::Texture texture;
    texture.source = 0;
    texture.sampler = 0;
    model.textures.push_back(texture);
    material.pbrMetallicRoughness.baseColorTexture.index = 0;
}

tinygltf::Model ModelOf(const TTerrainMesh& mesh, const std::string& picture)
{
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "Tarnhollow 98";
    model.buffers.resize(1);

    tinygltf::Primitive primitive;
    primitive.mode = TINYGLTF_MODE_TRIANGLES;
    primitive.attributes["POSITION"] = AddPositions(model, mesh);
    primitive.attributes["NORMAL"] = AddAccessor(model, mesh.normals, TINYGLTF_TYPE_VEC3,
                                                 TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TARGET_ARRAY_BUFFER);
    primitive.attributes["COLOR_0"] = AddAccessor(model, mesh.colours, TINYGLTF_TYPE_VEC3,
                                                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TARGET_ARRAY_BUFFER);
    if (!mesh.pictureCoordinates.empty())
        primitive.attributes["TEXCOORD_0"] = AddAccessor(model, mesh.pictureCoordinates, TINYGLTF_TYPE_VEC2,
                                                         TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TARGET_ARRAY_BUFFER);
    primitive.indices = AddAccessor(model, mesh.triangles, TINYGLTF_TYPE_SCALAR,
                                    TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
    // Three vertex numbers per triangle.
    model.accessors[static_cast<std::size_t>(primitive.indices)].count = mesh.triangles.size() * 3;
    primitive.material = 0;

    tinygltf::Material material;
    material.name = "terrain";
    material.pbrMetallicRoughness.baseColorFactor = {1, 1, 1, 1};
    material.pbrMetallicRoughness.metallicFactor = 0;
    material.pbrMetallicRoughness.roughnessFactor = 1;
    if (!picture.empty())
        AddPicture(model, picture, material);
    model.materials.push_back(material);

    tinygltf::Mesh terrain;
    terrain.name = "terrain";
    terrain.primitives.push_back(primitive);
    model.meshes.push_back(terrain);
    tinygltf::Node node;
    node.mesh = 0;
    node.name = "terrain";
    model.nodes.push_back(node);
    tinygltf::Scene scene;
    scene.nodes.push_back(0);
    model.scenes.push_back(scene);
    model.defaultScene = 0;
    return model;
}

std::string GltfBytes(const TNet& net, const TExportParameters& parameters, IProgress& progress, bool binary)
{
    const tinygltf::Model model = ModelOf(BuildTerrainMesh(net, parameters.mesh, progress), parameters.mesh.texture);
    std::ostringstream out(std::ios::binary);
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&model, out, false, binary))
        throw ETarnError(msg::MeshNotWritten);
    return std::move(out).str();
}

bool TextNamed(const std::filesystem::path& file)
{
    auto extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".gltf";
}

}  // namespace

const TFormatDescription& TGltfFormat::Description() const { return kDescription; }

void TGltfFormat::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                        IProgress& progress) const
{
    WriteOrThrow(out, GltfBytes(net, parameters, progress, true));
}

void TGltfFormat::WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                            IProgress& progress) const
{
    const std::string bytes = GltfBytes(net, parameters, progress, !TextNamed(file));
    WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                        msg::ErrorWritingExport);
}

}  // namespace tarn
