#include "analysis/fractal/Roughening.h"

#include "analysis/fractal/OverlayPicture.h"
#include "model/Progress.h"

#include <algorithm>
#include <cmath>

namespace tarn::fractal {

namespace {

// The largest shift of the first level.
constexpr int kAmplitude = 32;

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// The shift of one block at level n (from 1): the mean of four whole
// numbers drawn from 0 to range - 1, less half the range, truncated.
int BlockShift(int level, std::mt19937& random)
{
    const int range = RoundHalfEven(kAmplitude / static_cast<double>(level));
    const int half = RoundHalfEven(kAmplitude / (2.0 * level));
    std::uniform_int_distribution<int> draw(0, range - 1);
    const int sum = draw(random) + draw(random) + draw(random) + draw(random);
    return static_cast<int>(std::trunc(sum / 4.0 - half));
}

TColorRef Shifted(TColorRef colour, int delta)
{
    const auto shift = [delta](int channel) { return std::clamp(channel + delta, 0, 255); };
    return RGB(shift(RedOf(colour)), shift(GreenOf(colour)), shift(BlueOf(colour)));
}

// Paints the block with one of its corners, chosen at random, shifted.
void ShiftFromCorner(TOverlayPicture& picture, int x0, int y0, int block, int delta, std::mt19937& random)
{
    const int corner = std::uniform_int_distribution<int>(0, 3)(random);
    const int x = corner % 2 == 0 ? std::max(x0, 1) : std::min(x0 + block, picture.Width() - 1);
    const int y = corner / 2 == 0 ? std::max(y0, 1) : std::min(y0 + block, picture.Height() - 1);
    picture.Fill(Shifted(picture.Pixel(x, y), delta), x0, y0, x0 + block, y0 + block);
}

long long BlockRows(int height, int block) { return (height + block - 1) / block; }

}  // namespace

std::vector<int> RougheningBlockSizes(int startBlock, TRoughness roughness)
{
    const int code = static_cast<int>(roughness);
    std::vector<int> sizes;
    int block = std::max(startBlock, 1);
    for (int level = 1;; ++level) {
        sizes.push_back(block);
        if (code >= block)
            return sizes;
        block = std::max(1, RoundHalfEven(startBlock / std::pow(2.0, level)));
    }
}

void Roughen(TOverlayPicture& picture, TRougheningPass pass, int startBlock, TRoughness roughness,
             std::mt19937& random, IProgress& progress)
{
    const std::vector<int> sizes = RougheningBlockSizes(startBlock, roughness);
    long long totalRows = 0;
    for (const int block : sizes)
        totalRows += BlockRows(picture.Height(), block);
    long long rowsDone = 0;
    int percentShown = -1;

    for (std::size_t index = 0; index < sizes.size(); ++index) {
        const int level = static_cast<int>(index) + 1;
        const int block = sizes[index];
        for (int y0 = 0; y0 < picture.Height(); y0 += block) {
            for (int x0 = 0; x0 < picture.Width(); x0 += block) {
                const int delta = BlockShift(level, random);
                if (pass == TRougheningPass::Colour)
                    ShiftFromCorner(picture, x0, y0, block, delta, random);
                else
                    picture.Brighten(delta, x0, y0, x0 + block, y0 + block);
            }
            const int percent = static_cast<int>(100 * ++rowsDone / totalRows);
            if (percent != percentShown)
                progress.setPercent(percentShown = percent);
        }
    }
}

}  // namespace tarn::fractal
