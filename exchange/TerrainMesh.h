#pragma once

#include "exchange/FormatParameters.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarn {

class IProgress;
class TNet;

// The terrain as an indexed triangle mesh for 3D programs and game engines,
// in metres: x to the east, y up, z to the south, from the map's centre.
// Null squares are left out.
struct TTerrainMesh {
    std::vector<std::array<float, 3>> positions;
    std::vector<std::array<float, 3>> normals;  // of unit length
    std::vector<std::array<float, 3>> colours;  // red, green, blue, 0 .. 1
    // Where each vertex lies on a picture draped over the whole map: u from
    // the west edge, v from the north edge, 0 .. 1. Empty without a picture.
    std::vector<std::array<float, 2>> pictureCoordinates;
    // Vertex numbers, counter-clockwise seen from above.
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

// Every square with heights at its four corners as two triangles, or with
// options.polygons the network the polygon reduction makes of at most that
// many triangles within options.tolerance (less the triangles whose middle
// lies in a null square). Vertex colours are those of the map's colour
// scheme, each the mean of the squares around the node. Throws ETarnError
// msg::MeshNotWritten, saying so, when progress asked to stop.
TTerrainMesh BuildTerrainMesh(const TNet& net, const TMeshExportOptions& options,
                                             IProgress& progress);

}  // namespace tarn
