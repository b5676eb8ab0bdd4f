#pragma once

#include "exchange/ModelScale.h"
#include "model/Colour.h"

#include <iosfwd>
#include <string>

namespace tarn {

struct TTin;

struct TVrmlOptions {
    TModelScale scale;
    // The picture draped over the surface ("TextureMap"); none when empty.
    std::string textureMap = "textures.jpg";
    // The sky behind the world ("BackgroundColor"), a Windows colour value.
    TColorRef backgroundColour = 13678735;
};

// Writes a triangulated irregular network as a VRML97 world: a Background
// of the chosen colour, a Viewpoint looking at the surface from the south,
// and one Shape whose IndexedFaceSet holds the vertices (x east, y up, z
// south, in model units) and the triangles, facing up. With a texture map
// the picture covers the whole grid, its top edge along the northern row.
void WriteVrml(std::ostream& out, const TTin& tin, const TVrmlOptions& options);

}  // namespace tarn
