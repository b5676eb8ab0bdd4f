#pragma once

#include "viewer/anim/FlightPath.h"

#include <array>
#include <vector>

namespace tarn {

class TPathBoxGeometry;

// The height profile along the polyline of a path's control points: x is
// the distance travelled in box pixels, y a height in stored height units.
struct TFlightProfile {
    // The ground under the polyline, sampled about every two pixels.
    std::vector<std::array<double, 2>> ground;
    // One marker per control point at the height the camera passes it:
    // its z, raised to the path's minimum height.
    std::vector<std::array<double, 2>> markers;
    // The polyline's whole length.
    double length = 0;
};

TFlightProfile BuildFlightProfile(const TFlightPath& path, const TPathBoxGeometry& box);

}  // namespace tarn
