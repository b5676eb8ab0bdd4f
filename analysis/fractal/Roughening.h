#pragma once

#include <random>
#include <vector>

namespace tarn {
class IProgress;
}

namespace tarn::fractal {

class TOverlayPicture;

// How strongly a picture is roughened: the codes of the dialog's lists.
enum class TRoughness { High = 1, Medium = 2, Low = 3, None = 4 };

enum class TRougheningPass {
    Colour,     // each block takes the colour of one of its corners, shifted
    Brightness  // each block is brightened or darkened as a whole
};

// The block sizes one pass works through, from the start size halving
// until the size reaches the roughness code.
std::vector<int> RougheningBlockSizes(int startBlock, TRoughness roughness);

// Roughens the whole picture by random blocks of the sizes above: each
// block is shifted by the mean of four random numbers, centred on 0, whose
// range shrinks with every level. Reports the share of block rows done as a
// percentage; runs to completion.
void Roughen(TOverlayPicture& picture, TRougheningPass pass, int startBlock, TRoughness roughness,
             std::mt19937& random, IProgress& progress);

}  // namespace tarn::fractal
