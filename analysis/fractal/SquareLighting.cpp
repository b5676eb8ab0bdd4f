#include "analysis/fractal/SquareLighting.h"

#include "model/Net.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarn::fractal {

namespace {

// Degrees to radians for the shade, a little below pi / 180.
constexpr double kShadeRadiansPerDegree = 0.017453286279273523;

int WholeDegrees(double radians) { return static_cast<int>(std::trunc(radians * 180.0 / std::numbers::pi)); }

float Brightened(float channel, double factor) { return static_cast<float>(std::min(channel * factor, 1.0)); }

}  // namespace

int SquareAspect(int a, int b)
{
    int base;
    if (b > 0 && a >= 0)
        base = 0;
    else if (b <= 0 && a > 0)
        base = 90;
    else if (b >= 0 && a < 0)
        base = 270;
    else if (b >= 0 || a > 0)
        base = 0;
    else
        base = 180;
    if (a == 0 || b == 0)
        return base;
    const double ratio = static_cast<double>(b) / a;
    const int g = WholeDegrees(std::fabs(std::atan(ratio)));
    return ratio >= 0 ? base + 90 - g : base + g;
}

int SquareSlope(const std::array<int, 4>& deviations, int spacing)
{
    const auto [lowest, highest] = std::minmax_element(deviations.begin(), deviations.end());
    const int rise = *highest - *lowest;
    if (rise == 0)
        return 0;
    // A map without spacing has every rise standing upright.
    if (spacing <= 0)
        return 90;
    return WholeDegrees(std::atan(static_cast<double>(rise) / spacing));
}

int SquareShade(int aspect, int slope, const TLight& light)
{
    const double d = std::abs(aspect - 225 + light.azimuth);
    const double delta = std::abs(slope - light.altitude);
    const double lit = 100.0 * std::cos(delta * kShadeRadiansPerDegree) * std::cos(d * kShadeRadiansPerDegree);
    return std::min(100 - static_cast<int>(std::trunc(lit)), 255);
}

ColourRGBA ShadedColour(const ColourRGBA& colour, int shade)
{
    const double factor = shade / 255.0 + 0.2;
    return {Brightened(colour.red, factor), Brightened(colour.green, factor), Brightened(colour.blue, factor),
            colour.alpha};
}

ColourRGBA LitSquareColour(TNet& map, int square, const TLight& light)
{
    const TGridSquare& record = *map.GetSquare(square);
    const int columns = map.MapHeader.Columns;
    const int first = record.FirstCorner;
    const std::array<int, 4> corners{first, first + 1, first + columns + 1, first + columns};
    std::array<int, 4> heights{};
    for (std::size_t k = 0; k < corners.size(); ++k)
        heights[k] = map.GetPoint(corners[k])->Height;
    const int mean = static_cast<int>(std::nearbyint((heights[0] + heights[1] + heights[2] + heights[3]) / 4.0));
    std::array<int, 4> deviations{};
    for (std::size_t k = 0; k < heights.size(); ++k)
        deviations[k] = heights[k] - mean;

    const int aspect = SquareAspect(deviations[0] - deviations[2], deviations[1] - deviations[3]);
    const int slope = SquareSlope(deviations, map.MapHeader.Spacing);
    return ShadedColour(map.SquareColour(record, kSchemeGradients), SquareShade(aspect, slope, light));
}

}  // namespace tarn::fractal
