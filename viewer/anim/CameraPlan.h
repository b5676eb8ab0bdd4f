#pragma once

#include "viewer/anim/ScriptFile.h"

#include <array>
#include <vector>

namespace tarn {

struct TMapHeader;

// Where the camera stands and what it looks at for one rendered frame, in
// the map object's CameraPos and TargetPos terms.
struct TCameraSetup {
    std::array<double, 3> camera{};
    std::array<double, 3> target{};
    friend bool operator==(const TCameraSetup&, const TCameraSetup&) = default;
};

// What a flight multiplies script heights by to get camera heights:
// VerticalScale (0 taken as 1, as the renderer does) over ShortSide.
double FlightHeightFactor(const TMapHeader& header);

// The frames of a flight: frame i stands at data line i and looks at its
// target at the height of data line i + 2, heights multiplied by
// heightFactor (VerticalScale / ShortSide). A viewing angle above 0 lowers
// the target by tan(angle) times the level distance; a target that would
// sink below 0 is moved along the line of sight to where it meets height 0.
// Gives PointCount() - 1 frames.
std::vector<TCameraSetup> FlightCameras(const TPlayScript& script, double heightFactor, double viewAngleDegrees);

// The frames of a panorama, heights divided by shortSide, one per strip.
std::vector<TCameraSetup> PanoramaCameras(const TPlayScript& script, double shortSide);

}  // namespace tarn
