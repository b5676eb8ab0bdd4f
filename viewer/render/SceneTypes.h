#pragma once

#include "model/Colour.h"
#include "model/LargePageAllocator.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarn {

// A map point in world units: x to the east, y to the north, height in the
// map's height unit.
struct TMapPoint {
    double x = 0;
    double y = 0;
    double height = 0;
};

// One vertex as it is handed to OpenGL: colour, normal, position (the layout
// of GL_C4F_N3F_V3F, so a list of them is an interleaved vertex array).
struct TSceneVertex {
    std::array<float, 4> colour{};
    std::array<float, 3> normal{};
    std::array<float, 3> position{};
};

// A list of vertices ready to be handed to OpenGL as an interleaved array.
using TSceneVertices = std::vector<TSceneVertex, TLargePageAllocator<TSceneVertex>>;

// What the drawing of a square needs to know about itself and its eight
// neighbours (north-west, north, north-east, east, south-east, south,
// south-west, west). Nodes are the square's corners 1..4: north-west,
// north-east, south-east, south-west.
struct TColourRecord {
    std::array<double, 4> nodeRelief{};
    std::array<std::int16_t, 8> neighbourTerrain{};
    std::array<ColourRGBA, 8> neighbourColour{};
    ColourRGBA squareColour{};
    std::array<ColourRGBA, 4> nodeColour{};
    std::array<double, 4> nodeWater{};
    bool landNextToWater = false;
    bool waterNextToLand = false;
    // The square's own terrain and mean height.
    int terrain = 0;
    int meanHeight = 0;
    // The Vista colour index and snow level left by the last colour query of
    // the square and its neighbours (the valley effect starts from it).
    int vistaIndex = 0;
    int snowLevel = 0;
};

// The surface material of a detailed square's terrain.
struct TTerrainMaterial {
    std::array<float, 4> specular{};
    std::array<float, 4> emission{};
    float shininess = 0;
    friend bool operator==(const TTerrainMaterial&, const TTerrainMaterial&) = default;
};

}  // namespace tarn
