#include "viewer/anim/CameraPlan.h"

#include "model/MapHeader.h"

#include <cmath>
#include <numbers>

namespace tarn {

namespace {

// Frame i of either kind: eye at line i, target at line i's target with
// line i + 2's eye height, heights scaled by `factor`.
std::vector<TCameraSetup> BaseCameras(const TPlayScript& script, double factor)
{
    std::vector<TCameraSetup> cameras;
    const int count = script.PointCount();
    for (int i = 0; i + 1 < count; ++i) {
        const auto& line = script.points[static_cast<std::size_t>(i)];
        const auto& ahead = script.points[static_cast<std::size_t>(i) + 2];
        cameras.push_back({{line[0], line[1], line[2] * factor}, {line[3], line[4], ahead[2] * factor}});
    }
    return cameras;
}

void LowerTarget(TCameraSetup& setup, double viewAngleDegrees)
{
    auto& eye = setup.camera;
    auto& target = setup.target;
    const double distance = std::hypot(target[0] - eye[0], target[1] - eye[1]);
    target[2] -= std::nearbyint(std::tan(viewAngleDegrees * std::numbers::pi / 180) * distance);
    if (target[2] >= 0 || eye[2] == target[2])
        return;
    const double share = std::abs(eye[2] / (eye[2] - target[2]));
    target = {eye[0] + (target[0] - eye[0]) * share, eye[1] + (target[1] - eye[1]) * share, 0};
}

}  // namespace

double FlightHeightFactor(const TMapHeader& header)
{
    const double vertical = DrawnVerticalScale(header.VerticalScale);
    return header.ShortSide != 0 ? vertical / header.ShortSide : vertical;
}

std::vector<TCameraSetup> FlightCameras(const TPlayScript& script, double heightFactor, double viewAngleDegrees)
{
    auto cameras = BaseCameras(script, heightFactor);
    if (viewAngleDegrees > 0)
        for (auto& setup : cameras)
            LowerTarget(setup, viewAngleDegrees);
    return cameras;
}

std::vector<TCameraSetup> PanoramaCameras(const TPlayScript& script, double shortSide)
{
    return BaseCameras(script, shortSide != 0 ? 1 / shortSide : 0);
}

}  // namespace tarn
