#pragma once

#include "viewer/anim/FlightPath.h"

#include <string_view>
#include <vector>

namespace tarn {

class TPathBoxGeometry;
struct TMapHeader;

// Steps per spline segment for a speed text: "Very Fast" 10, "Fast" 20,
// "Moderate" 30, "Slow" 40, anything else 50.
int StepsPerSegment(std::string_view speed);

// The uniform cubic B-spline of four control values at t in 0..1.
double BSpline(double p0, double p1, double p2, double p3, double t);

// What generation gives: the frames and, for drawing, the curves the camera
// and its view follow in box pixels.
struct TGeneratedPath {
    std::vector<TFrame> frames;
    std::vector<std::array<double, 2>> cameraTrack;
    std::vector<std::array<double, 2>> viewTrack;
    // A panorama's circle (centre and radius in box pixels), radius 0 for none.
    std::array<double, 3> circle{0, 0, 0};
};

// How far ahead of its camera a generated frame looks: a tenth of the map's
// larger world side, so the camera looks along its track with the target
// well inside the map.
double LookAheadDistance(const TMapHeader& header);

// Turns the path into at most 721 frames. A flight follows the B-spline of
// its control points, each camera looking lookAhead world units towards the
// spline of its view points; an outward panorama turns around its one point
// in 122 frames; an inward panorama gives nothing.
TGeneratedPath GeneratePath(const TFlightPath& path, const TPathBoxGeometry& box, double lookAhead);

}  // namespace tarn
