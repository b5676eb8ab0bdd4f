#pragma once

#include "model/MapHeader.h"

namespace tarn {

// Gives the preview map the scene settings of a header: every field from
// offset 260 on (light, camera, scale, colours, materials ...), while the
// preview keeps its own grid fields.
void CopySceneSettings(const TMapHeader& from, TMapHeader& preview);

}  // namespace tarn
