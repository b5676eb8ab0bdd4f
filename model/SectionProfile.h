// SectionProfile.h: the height profile along a line drawn over the map, and
// the text a profile is copied out as.
#pragma once

#include "model/Handles.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarn {

// How a section line drawn in picture pixels is measured.
struct TSectionMeasure {
    double scale = 1.0;    // picture pixels per grid step
    double spacing = 1.0;  // map distance (feet or metres) per grid step
    double ratio = 1.0;    // X:Y ratio: horizontal lengths count this many times
};

// One sample of the profile: the stored height of the node nearest to the
// sampled pixel and the distance along the line in tenths of a map unit.
struct TProfileSample {
    int height = 0;
    long long distanceTenths = 0;
    friend bool operator==(const TProfileSample&, const TProfileSample&) = default;
};

// The profile of one segment. `length` is the segment's length in pixels
// with the ratio applied; a segment of length 0 yields nothing at all.
struct TSegmentProfile {
    double length = 0;
    // The distance axis's maximum for the line so far, with 5 % to spare,
    // in tenths of a map unit.
    long long axisMaximumTenths = 0;
    std::vector<TProfileSample> samples;
};

// The stored height of the node nearest to a pixel, or nothing where there
// is no node or it holds no height.
using THeightAtPixel = std::function<std::optional<int>(TPixel)>;

// Samples the segment from `start` to `end` every `scale` pixels of its
// measured length (both ends included when the length is a whole number of
// steps), continuing the distance from `distanceSoFar` pixels.
TSegmentProfile ProfileSegment(const TSectionMeasure& measure, TPixel start, TPixel end, double distanceSoFar,
                               const THeightAtPixel& heightAt);

// The profile's points (distance, height) as text, one line per point,
// "distance, height, " and CR LF, numbers in general format. A point at the
// distance of the point before it is left out, and a distance of 0 after
// the first point ends the list.
std::string SectionDataText(const std::vector<std::pair<double, double>>& points);

}  // namespace tarn
