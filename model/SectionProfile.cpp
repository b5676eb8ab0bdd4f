#include "model/SectionProfile.h"

#include <cmath>
#include <cstdio>

namespace tarn {

namespace {

long long RoundTenths(double value)
{
    return std::llround(std::nearbyint(value * 10));
}

std::string GeneralNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace

TSegmentProfile ProfileSegment(const TSectionMeasure& measure, TPixel start, TPixel end, double distanceSoFar,
                               const THeightAtPixel& heightAt)
{
    TSegmentProfile profile;
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    const double length = std::hypot(dx * measure.ratio, dy);
    if (!(length > 0) || !(measure.scale > 0))
        return profile;
    const double perPixel = measure.spacing / measure.scale;
    profile.length = length;
    profile.axisMaximumTenths = RoundTenths((length + distanceSoFar) * 1.05 * perPixel);
    for (long long step = 0;; ++step) {
        const double t = static_cast<double>(step) * measure.scale;
        if (t > length)
            break;
        const TPixel pixel{static_cast<int>(std::nearbyint(start.x + t / length * dx)),
                           static_cast<int>(std::nearbyint(start.y + t / length * dy))};
        if (const std::optional<int> height = heightAt(pixel))
            profile.samples.push_back({*height, RoundTenths((distanceSoFar + t) * perPixel)});
    }
    return profile;
}

std::string SectionDataText(const std::vector<std::pair<double, double>>& points)
{
    std::string text;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto [distance, height] = points[i];
        if (i > 0 && distance == 0)
            break;
        if (i > 0 && distance == points[i - 1].first)
            continue;
        text += GeneralNumber(distance);
        text += ", ";
        text += GeneralNumber(height);
        text += ", \r\n";
    }
    return text;
}

}  // namespace tarn
