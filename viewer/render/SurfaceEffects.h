#pragma once

#include "model/MapHeader.h"
#include "viewer/render/SceneTypes.h"

#include <array>

namespace tarn {

inline constexpr int kWaterTerrain = 1;
inline constexpr int kRoadTerrain = 4;
inline constexpr int kRockTerrain = 5;

// The Vista scheme's slope colouring of one triangle whose normal has the
// upward component normalY: steep triangles blend toward the rock colour
// (cliff effect), flat ones toward a neighbouring Vista colour (valley
// effect). Water and roads are never recoloured.
void ApplySlopeEffects(const TMapHeader& header, const TColourRecord& record, double normalY,
                       std::array<TSceneVertex, 3>& triangle);

// Water squares of the Gradients and Vista schemes take the water colour
// where the triangle's water value exceeds the water edge, then a little
// noise turbulence per vertex.
void ApplyWaterColour(const TMapHeader& header, const TColourRecord& record, double water,
                      std::array<TSceneVertex, 3>& triangle);

}  // namespace tarn
