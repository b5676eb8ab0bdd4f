#include "viewer/anim/FlightProfile.h"

#include "viewer/anim/PathBox.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

double MarkerHeight(const TFlightPath& path, const TControlPoint& point)
{
    return std::max(point.z, path.MinHeight);
}

}  // namespace

TFlightProfile BuildFlightProfile(const TFlightPath& path, const TPathBoxGeometry& box)
{
    TFlightProfile profile;
    const auto& points = path.ControlPoints();
    if (points.empty())
        return profile;
    profile.markers.push_back({0, MarkerHeight(path, points.front())});
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto& from = points[i - 1];
        const auto& to = points[i];
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        const double length = std::hypot(dx, dy);
        // A sample about every two pixels, none on a segment under three.
        const int samples = length > 0 ? static_cast<int>((length - 1) / 2) : 0;
        for (int k = 0; k < samples; ++k) {
            const double share = static_cast<double>(k) / samples;
            profile.ground.push_back(
                {profile.length + share * length, 1.0 * box.GroundHeight(from.x + share * dx, from.y + share * dy)});
        }
        profile.length += length;
        profile.markers.push_back({profile.length, MarkerHeight(path, to)});
    }
    return profile;
}

}  // namespace tarn
