#include "controls/GradientSchemes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarn {

namespace {

std::array<double, 3> Summer(double t)
{
    if (t < 0.33)
        return {0, (t + 0.67) * 178.5, 0};
    if (t < 0.66)
        return {0, 178.5, 0};
    const double redBlue = (t - 0.5) * 255 + 0.4 * t;
    return {redBlue, (1.67 - t) * 178.5 + 0.8 * t, redBlue};
}

std::array<double, 3> Winter(double t)
{
    if (t > 0.75)
        return {229.5, 229.5, 229.5};
    return {(0.8 - (1 - t) * 0.2) * 255, 153, 0};
}

std::array<double, 3> Desert(double t)
{
    return {(0.858824 - (1 - t) * 0.2) * 255, 219.00012, (0.439216 - (1 - t) * 0.2) * 255};
}

}  // namespace

std::array<double, 3> GradientSchemePoint(int scheme, int k)
{
    // t runs from 0 to 18/19, never reaching 1.
    const double t = k / 19.0;
    const double pi = std::numbers::pi;
    const double rises = std::sin(pi * t / 2) * 255;
    const double peaks = std::sin(pi * t) * 255;
    const double falls = std::cos(pi * t / 2) * 255;
    switch (scheme) {
    case 0: return {rises, peaks, falls};
    case 1: return {rises, falls, peaks};
    case 2: return {peaks, falls, rises};
    case 3: return {falls, peaks, rises};
    case 4: return {falls, rises, peaks};
    case 5: return {peaks, rises, falls};
    case 6: return Summer(t);
    case 7: return Winter(t);
    case 8: return Desert(t);
    case 9: return {229.5, 229.5, 229.5};
    case 10: return {204, 204, 204};
    case 11: return {t * 255, t * 255, t * 255};
    case 12: return {(1 - t) * 255, (1 - t) * 255, (1 - t) * 255};
    default: return {0, 0, 0};
    }
}

TColorRef GradientColour(double red, double green, double blue)
{
    const auto channel = [](double value) { return std::clamp(static_cast<int>(value), 0, 255); };
    return RGB(channel(red), channel(green), channel(blue));
}

}  // namespace tarn
