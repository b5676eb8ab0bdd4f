#include "analysis/fractal/BlockPainting.h"

#include "analysis/fractal/OverlayPicture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarn::fractal {

namespace {

// A colour as red, green and blue in 0..1, for mixing.
struct TMix {
    double red = 0, green = 0, blue = 0;
};

TMix MixOf(const ColourRGBA& c) { return {c.red, c.green, c.blue}; }
TMix operator+(const TMix& a, const TMix& b) { return {a.red + b.red, a.green + b.green, a.blue + b.blue}; }
TMix operator*(const TMix& a, double f) { return {a.red * f, a.green * f, a.blue * f}; }

// A colour with 0..255 channels, each the real one times 255, truncated.
struct TLevels {
    int red = 0, green = 0, blue = 0;
};

TLevels LevelsOf(const TMix& c)
{
    const auto level = [](double channel) { return static_cast<int>(std::trunc(channel * 255)); };
    return {level(c.red), level(c.green), level(c.blue)};
}

// Four colours at the corners of a rectangle, in the order top-left,
// top-right, bottom-right, bottom-left.
using TCorners = std::array<TLevels, 4>;

void FillBilinear(TOverlayPicture& picture, int left, int top, int right, int bottom, const TCorners& c)
{
    const double width = std::max(right - left, 1);
    const double height = std::max(bottom - top, 1);
    for (int y = top; y <= bottom; ++y) {
        const double fy = (y - top) / height;
        for (int x = left; x <= right; ++x) {
            if (!picture.Contains(x, y))
                continue;
            const double fx = (x - left) / width;
            const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), fx * fy, (1 - fx) * fy};
            const auto channel = [&](int TLevels::*level) {
                int sum = 0;
                for (std::size_t k = 0; k < c.size(); ++k)
                    sum += static_cast<int>(std::trunc(c[k].*level * weights[k]));
                return std::clamp(sum, 0, 255);
            };
            picture.SetPixel(x, y, RGB(channel(&TLevels::red), channel(&TLevels::green), channel(&TLevels::blue)));
        }
    }
}

}  // namespace

void PaintBlock(TOverlayPicture& picture, const TBlock& block, const TNeighbourhood& colours)
{
    const TMix c = MixOf(colours.centre);
    const TMix n = MixOf(colours.north);
    const TMix e = MixOf(colours.east);
    const TMix s = MixOf(colours.south);
    const TMix w = MixOf(colours.west);
    const TMix cornerNW = (w + n + MixOf(colours.northWest) * 2) * 0.25;
    const TMix cornerNE = (n + e + MixOf(colours.northEast) * 2) * 0.25;
    const TMix cornerSE = (e + s + MixOf(colours.southEast) * 2) * 0.25;
    const TMix cornerSW = (s + w + MixOf(colours.southWest) * 2) * 0.25;
    const auto towards = [&c](const TMix& other) { return LevelsOf((c + other) * 0.5); };
    const TLevels centre = LevelsOf(c);

    const int midX = block.left + (block.right - block.left) / 2;
    const int midY = block.top + (block.bottom - block.top) / 2;
    FillBilinear(picture, block.left, block.top, midX, midY, {towards(cornerNW), towards(n), centre, towards(w)});
    FillBilinear(picture, midX + 1, block.top, block.right, midY, {towards(n), towards(cornerNE), towards(e), centre});
    FillBilinear(picture, midX + 1, midY + 1, block.right, block.bottom,
                 {centre, towards(e), towards(cornerSE), towards(s)});
    FillBilinear(picture, block.left, midY + 1, midX, block.bottom, {towards(w), centre, towards(s), towards(cornerSW)});
}

}  // namespace tarn::fractal
