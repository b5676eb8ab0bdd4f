#pragma once

#include "model/Colour.h"

namespace tarn::fractal {

class TOverlayPicture;

// The lit colour of a square and of its eight neighbours; a neighbour
// beyond the map's edge takes the square's own colour.
struct TNeighbourhood {
    ColourRGBA centre;
    ColourRGBA north, east, south, west;
    ColourRGBA northWest, northEast, southEast, southWest;
};

// The pixels of one square, both edges included, so that neighbouring
// blocks share their border line.
struct TBlock {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Paints a square's block so that its colour blends into its neighbours':
// the block is cut into four quadrants at its middle, and each is filled
// bilinearly between the centre colour, the midpoints towards the
// neighbours beside it and a corner colour mixed from the three squares
// around that corner. Pixels beyond the picture are left out.
void PaintBlock(TOverlayPicture& picture, const TBlock& block, const TNeighbourhood& colours);

}  // namespace tarn::fractal
