#include "exchange/ObjFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ModelScale.h"
#include "exchange/StreamIO.h"
#include "exchange/TerrainMesh.h"
#include "model/AtomicFile.h"

#include <array>
#include <optional>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"obj"};
constexpr TFormatDescription kDescription{
    .name = "obj",
    .title = "Wavefront OBJ mesh",
    .extensions = kExtensions,
    .canRead = false,
    .canWrite = true,
};

constexpr const char* kMaterial = "terrain";

void AppendLine(std::string& text, std::string_view tag, std::initializer_list<float> values)
{
    text += tag;
    for (const float value : values) {
        text += ' ';
        AppendNumber(text, value);
    }
    text += '\n';
}

// The OBJ text; with a material file's name, the lines that use it.
std::string ObjText(const TTerrainMesh& mesh, const std::optional<std::string>& materialFile)
{
    std::string text = "# Terrain exported from Glenmarrowscape: metres, x east, y up, z south\n";
    if (materialFile) {
        text += "mtllib " + *materialFile + "\n";
        text += "usemtl ";
        text += kMaterial;
        text += '\n';
    }
    for (std::size_t i = 0; i < mesh.positions.size(); ++i) {
        const auto& p = mesh.positions[i];
        const auto& c = mesh.colours[i];
        AppendLine(text, "v", {p[0], p[1], p[2], c[0], c[1], c[2]});
    }
    // OBJ pictures run from the bottom up.
    for (const auto& uv : mesh.pictureCoordinates)
        AppendLine(text, "vt", {uv[0], 1 - uv[1]});
    for (const auto& n : mesh.normals)
        AppendLine(text, "vn", {n[0], n[1], n[2]});
    const bool pictured = !mesh.pictureCoordinates.empty();
    for (const auto& triangle : mesh.triangles) {
        text += 'f';
        for (const auto corner : triangle) {
            const std::string number = std::to_string(corner + 1);
            text += ' ' + number + '/' + (pictured ? number : std::string()) + '/' + number;
        }
        text += '\n';
    }
    return text;
}

std::string MaterialText(const std::filesystem::path& objFile, const std::string& picture)
{
    std::string text = "newmtl ";
    text += kMaterial;
    text += "\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nillum 1\n";
    if (!picture.empty()) {
        // Named from the OBJ file's folder where it can be.
        std::error_code error;
        auto relative = std::filesystem::relative(picture, objFile.parent_path(), error);
        text += "map_Kd " + (error || relative.empty() ? picture : relative.generic_string()) + "\n";
    }
    return text;
}

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                        msg::ErrorWritingExport);
}

}  // namespace

const TFormatDescription& TObjFormat::Description() const { return kDescription; }

void TObjFormat::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                       IProgress& progress) const
{
    WriteOrThrow(out, ObjText(BuildTerrainMesh(net, parameters.mesh, progress), std::nullopt));
}

void TObjFormat::WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                           IProgress& progress) const
{
    const TTerrainMesh mesh = BuildTerrainMesh(net, parameters.mesh, progress);
    auto materialFile = file;
    materialFile.replace_extension(".mtl");
    WriteText(materialFile, MaterialText(file, parameters.mesh.texture));
    WriteText(file, ObjText(mesh, materialFile.filename().string()));
}

}  // namespace tarn
