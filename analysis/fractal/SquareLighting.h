#pragma once

#include "model/Colour.h"

#include <array>

namespace tarn {
class TNet;
}

namespace tarn::fractal {

// The direction light falls from, in whole degrees.
struct TLight {
    int altitude = 45;
    int azimuth = 90;
};

// The compass direction a square faces, in degrees, from the differences of
// its diagonals: a = d1 - d3 (north-west minus south-east corner) and
// b = d2 - d4 (north-east minus south-west), each corner's height taken
// less the square's mean.
int SquareAspect(int a, int b);

// The steepness of a square in whole degrees from its four corner
// deviations from the mean and the grid spacing.
int SquareSlope(const std::array<int, 4>& deviations, int spacing);

// How much a face of that aspect and slope catches the light: 0 for a face
// turned full to it, up to 200 for one turned away.
int SquareShade(int aspect, int slope, const TLight& light);

// A colour brightened by the shade: each channel times shade / 255 + 0.2,
// at most 1.
ColourRGBA ShadedColour(const ColourRGBA& colour, int shade);

// The lit colour of a square (1-based index) under the Gradients scheme.
ColourRGBA LitSquareColour(TNet& map, int square, const TLight& light);

}  // namespace tarn::fractal
