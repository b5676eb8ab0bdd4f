#include "exchange/ColourReduction.h"

#include <cstdlib>
#include <vector>

namespace tarn {

namespace {

using Rgb = TDibPicture::Rgb;

constexpr int kKeptCells = 226;
constexpr int kStaticHalf = 10;
constexpr std::uint32_t kCountLimit = 65535;

// Histogram cell of a colour: red in 16 steps, green and blue in 32.
int CellOf(const Rgb& colour) { return (colour.red / 16) * 1024 + (colour.green / 8) * 32 + colour.blue / 8; }

struct TCandidate {
    int cell = 0;
    std::uint32_t count = 0;
};

// The most frequent cells, found the way a single pass with a running
// smallest slot finds them: a cell replaces the slot of smallest count when
// it is more frequent, and counts at the limit are never taken as smallest.
std::array<TCandidate, kKeptCells> MostFrequentCells(const TDibPicture& picture)
{
    std::vector<std::uint32_t> histogram(16 * 32 * 32, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            auto& count = histogram[CellOf(picture.PixelAt(x, y))];
            if (count < kCountLimit)
                ++count;
        }
    std::array<TCandidate, kKeptCells> slots{};
    int smallestSlot = 0;
    std::uint32_t smallestCount = 0;
    for (int cell = 0; cell < static_cast<int>(histogram.size()); ++cell) {
        if (histogram[cell] <= smallestCount)
            continue;
        slots[smallestSlot] = {cell, histogram[cell]};
        smallestCount = kCountLimit;
        for (int slot = 0; slot < kKeptCells; ++slot)
            if (slots[slot].count < smallestCount) {
                smallestCount = slots[slot].count;
                smallestSlot = slot;
            }
    }
    return slots;
}

Rgb CellColour(int cell)
{
    return {static_cast<std::uint8_t>((cell / 1024) * 16 + 7), static_cast<std::uint8_t>((cell / 32 % 32) * 8 + 3),
            static_cast<std::uint8_t>((cell % 32) * 8 + 3)};
}

int Distance(const Rgb& a, const Rgb& b)
{
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

std::uint8_t Nearest(const std::array<Rgb, 256>& palette, const Rgb& colour)
{
    int best = 0;
    int bestDistance = Distance(palette[0], colour);
    for (int i = 1; i < 256 && bestDistance > 0; ++i) {
        const int distance = Distance(palette[i], colour);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

const std::array<Rgb, 20>& StaticColours()
{
    static constexpr std::array<Rgb, 20> colours{{
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
    }};
    return colours;
}

TIndexedPicture ReduceTo256Colours(const TDibPicture& picture)
{
    const auto& statics = StaticColours();
    // The palette the pixels are matched against: the first static colours
    // at both ends (the later copies are never chosen, as ties go to the
    // first entry) and the kept cells between them.
    std::array<Rgb, 256> palette{};
    for (int i = 0; i < kStaticHalf; ++i) {
        palette[i] = statics[i];
        palette[255 - kStaticHalf + i] = statics[i];
    }
    const auto cells = MostFrequentCells(picture);
    for (int slot = 0; slot < kKeptCells; ++slot)
        palette[kStaticHalf + slot] = CellColour(cells[slot].cell);

    TIndexedPicture reduced = TIndexedPicture::Blank(picture.width, picture.height);
    // The file's table holds the static colours at both ends.
    reduced.colours = palette;
    for (int i = 0; i < kStaticHalf; ++i)
        reduced.colours[256 - kStaticHalf + i] = statics[kStaticHalf + i];

    for (int y = picture.height - 1; y >= 0; --y) {
        bool first = true;
        Rgb previous;
        std::uint8_t index = 0;
        for (int x = 0; x < picture.width; ++x) {
            const Rgb colour = picture.PixelAt(x, y);
            if (first || !(colour == previous))
                index = Nearest(palette, colour);
            first = false;
            previous = colour;
            reduced.IndexAt(x, y) = index;
        }
    }
    return reduced;
}

}  // namespace tarn
