#pragma once

#include <cstdint>

namespace tarn {

// A 32-bit Windows colour value: red in the lowest byte, then green, then blue.
using TColorRef = std::uint32_t;

constexpr TColorRef RGB(int red, int green, int blue)
{
    return static_cast<TColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(TColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr TColorRef kWhite = 0xFFFFFF;
inline constexpr TColorRef kBlack = 0;

// A drawing colour, four reals 0..1.
struct ColourRGBA {
    float red = 0;
    float green = 0;
    float blue = 0;
    float alpha = 0;

    friend bool operator==(const ColourRGBA&, const ColourRGBA&) = default;
};

// Each byte divided by 255, alpha 1.
ColourRGBA ToRGBA(TColorRef colour);
// Each channel truncated after multiplying by 255.
TColorRef FromRGBA(const ColourRGBA& colour);

}  // namespace tarn
