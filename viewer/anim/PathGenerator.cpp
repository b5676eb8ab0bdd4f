#include "viewer/anim/PathGenerator.h"

#include "model/MapHeader.h"
#include "viewer/anim/PathBox.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace tarn {

namespace {

using TPair = std::array<double, 2>;
// Coordinates of a control point or view point picked for one curve.
using TPick = std::function<TPair(std::size_t)>;

// Calls step(start, next) for every step of the spline through `count`
// points, segment after segment, stopping after kMaxFrames steps.
void WalkSpline(std::size_t count, int steps, const TPick& pick,
                const std::function<void(const TPair&, const TPair&)>& step)
{
    int taken = 0;
    const double dt = 1.0 / steps;
    for (std::size_t first = 0; first + 3 < count; ++first) {
        const TPair p0 = pick(first), p1 = pick(first + 1), p2 = pick(first + 2), p3 = pick(first + 3);
        const auto at = [&](double t) -> TPair {
            return {BSpline(p0[0], p1[0], p2[0], p3[0], t), BSpline(p0[1], p1[1], p2[1], p3[1], t)};
        };
        TPair start = at(0);
        for (int s = 1; s <= steps; ++s) {
            if (taken++ == kMaxFrames)
                return;
            const TPair next = at(s * dt);
            step(start, next);
            start = next;
        }
    }
}

// The world vector of lookAhead length from `from` towards `to` (box
// pixels, y down), or `previous` when the two coincide.
TPair LookVector(const TPair& from, const TPair& to, double lookAhead, const TPair& previous)
{
    const double dx = to[0] - from[0];
    const double dy = to[1] - from[1];
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return previous;
    return {dx * lookAhead / length, -dy * lookAhead / length};
}

void GenerateFlight(const TFlightPath& path, const TPathBoxGeometry& box, double lookAhead, TGeneratedPath& out)
{
    const auto& points = path.ControlPoints();
    const auto& views = path.ViewPoints();
    const int steps = StepsPerSegment(path.Speed);

    TPair look{0, 0};
    WalkSpline(points.size(), steps, [&](std::size_t i) -> TPair { return {1.0 * points[i].x, 1.0 * points[i].y}; },
               [&](const TPair& start, const TPair& next) {
                   look = LookVector(start, next, lookAhead, look);
                   const auto world = box.ToWorld(start[0], start[1]);
                   TFrame frame;
                   frame.camera = {world[0], world[1], -1};
                   frame.target = {world[0] + look[0], world[1] + look[1], -1};
                   out.frames.push_back(frame);
                   if (out.cameraTrack.empty())
                       out.cameraTrack.push_back(start);
                   out.cameraTrack.push_back(next);
               });

    std::size_t frame = 0;
    look = {0, 0};
    WalkSpline(views.size(), steps, [&](std::size_t i) -> TPair { return {1.0 * views[i].x, 1.0 * views[i].y}; },
               [&](const TPair& start, const TPair& next) {
                   if (out.viewTrack.empty())
                       out.viewTrack.push_back(start);
                   out.viewTrack.push_back(next);
                   if (frame >= out.frames.size())
                       return;
                   auto& f = out.frames[frame];
                   look = LookVector(out.cameraTrack[frame], next, lookAhead, look);
                   f.target = {f.camera[0] + look[0], f.camera[1] + look[1], -1};
                   ++frame;
               });

    frame = 0;
    WalkSpline(points.size(), steps, [&](std::size_t i) -> TPair { return {1.0 * points[i].x, 1.0 * points[i].z}; },
               [&](const TPair& start, const TPair&) {
                   if (frame < out.frames.size())
                       out.frames[frame++].camera[2] = std::max(start[1], 1.0 * path.MinHeight);
               });
}

void GenerateOutPanorama(const TFlightPath& path, const TPathBoxGeometry& box, TGeneratedPath& out)
{
    constexpr int kPanoramaFrames = 122;
    constexpr double kRadius = 50;
    const auto& point = path.ControlPoints().front();
    const auto world = box.ToWorld(point.x, point.y);
    for (int i = 0; i < kPanoramaFrames; ++i) {
        const double angle = i * 2 * std::numbers::pi / 120;
        TFrame frame;
        frame.camera = {world[0], world[1], 1.0 * path.Height + point.z};
        frame.target = {world[0] + kRadius * std::sin(angle), world[1] + kRadius * std::cos(angle), -1};
        out.frames.push_back(frame);
    }
    out.circle = {1.0 * point.x, 1.0 * point.y, kRadius};
}

}  // namespace

int StepsPerSegment(std::string_view speed)
{
    if (speed == "Very Fast")
        return 10;
    if (speed == "Fast")
        return 20;
    if (speed == "Moderate")
        return 30;
    if (speed == "Slow")
        return 40;
    return 50;
}

double BSpline(double p0, double p1, double p2, double p3, double t)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    return ((1 - t) * (1 - t) * (1 - t) * p0 + (3 * t3 - 6 * t2 + 4) * p1 + (-3 * t3 + 3 * t2 + 3 * t + 1) * p2 +
            t3 * p3) /
           6;
}

double LookAheadDistance(const TMapHeader& header)
{
    return std::max(header.WorldWidth, header.WorldHeight) / 10.0;
}

TGeneratedPath GeneratePath(const TFlightPath& path, const TPathBoxGeometry& box, double lookAhead)
{
    TGeneratedPath out;
    if (!path.CanGenerate())
        return out;
    if (path.Type() == TPathType::Flight)
        GenerateFlight(path, box, lookAhead, out);
    else if (path.Type() == TPathType::OutPanorama)
        GenerateOutPanorama(path, box, out);
    return out;
}

}  // namespace tarn
