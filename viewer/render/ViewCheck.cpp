#include "viewer/render/ViewCheck.h"

#include "model/Errors.h"
#include "model/MapHeader.h"
#include "viewer/render/RenderMessages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarn {

namespace {
constexpr double kNarrowestAngle = 1;
constexpr double kWidestAngle = 90;
}  // namespace

std::optional<std::string> SettleView(TMapHeader& header)
{
    const auto finite = [](const auto& values) {
        return std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); });
    };
    if (!finite(header.CameraPos) || !finite(header.TargetPos) || !std::isfinite(header.ViewAngle))
        throw ETarnError(msg::ViewNotANumber);
    if (header.CameraPos == header.TargetPos)
        throw ETarnError(msg::CameraOnTarget);
    const double angle = header.ViewAngle;
    if (angle >= kNarrowestAngle && angle <= kWidestAngle)
        return std::nullopt;
    header.ViewAngle = std::clamp(angle, kNarrowestAngle, kWidestAngle);
    char text[160];
    std::snprintf(text, sizeof text, "the angle of view of %g degrees is outside 1 to 90 degrees; drawn at %g", angle,
                  header.ViewAngle);
    return std::string(text);
}

}  // namespace tarn
