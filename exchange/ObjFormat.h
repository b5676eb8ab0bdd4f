#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// The terrain mesh (TerrainMesh.h) as a Wavefront OBJ file: vertices with
// their colours ("v x y z r g b"), picture coordinates when a picture is
// draped over it, normals and triangles; beside it a material file
// (NAME.mtl) that names the picture.
class TObjFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    // The OBJ file alone, without a material.
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
    void WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                   IProgress& progress) const override;
};

}  // namespace tarn
