#pragma once

#include "model/Colour.h"

#include <array>

namespace tarn {

// The height gradient: 20 colours from the lowest heights (entry 0) up. Its
// profile is edited as three channel curves of 19 points at x = 0, 0.05, ...,
// 0.90; entry 19 lies at x = 0.95, where no curve has a point.
inline constexpr int GradientColourCount = 20;
inline constexpr int GradientPointCount = 19;
inline constexpr double GradientPointSpacing = 0.05;
using TGradient = std::array<TColorRef, GradientColourCount>;

// The standard schemes, in the order the scheme list shows them.
inline constexpr int GradientSchemeCount = 13;
inline constexpr std::array<const char*, GradientSchemeCount> GradientSchemeNames = {
    "Red-Green-Blue", "Red-Blue-Green", "Blue-Red-Green", "Blue-Green-Red", "Green-Blue-Red",
    "Green-Red-Blue", "Summer",         "Winter",         "Desert",         "Polar",
    "Mono",           "Mono Gradient (up)", "Mono Gradient (down)"};

// Red, green and blue (0..255, not rounded) of point k (0..18) of a scheme.
std::array<double, 3> GradientSchemePoint(int scheme, int k);

// Packs channel values into a colour value, each truncated and kept within 0..255.
TColorRef GradientColour(double red, double green, double blue);

}  // namespace tarn
