#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// The terrain mesh (TerrainMesh.h) as glTF 2.0, written with the glTF
// library: binary (.glb) unless the file name ends in ".gltf", where the
// buffers are held in the JSON text. Positions, normals, vertex colours and
// triangles in one primitive; a draped picture is held in the file as PNG.
class TGltfFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    // Binary glTF.
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
    void WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                   IProgress& progress) const override;
};

}  // namespace tarn
