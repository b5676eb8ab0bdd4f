#include "viewer/ui/SceneConversions.h"

#include "model/MapHeader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tarn {

namespace {

constexpr int kGrabReach = 4;
constexpr double kEdgeLength = 100;
constexpr double kCrossDistance = 50;

// round() with halves to even, or nothing when the value is no int.
std::optional<int> RoundToInt(double value)
{
    if (!std::isfinite(value) || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(std::nearbyint(value));
}

// wx / (world / image) + offset, or nothing when a size is zero.
std::optional<int> MarkerCoordinate(double world, int worldSize, int imageSize, double offset, double sign)
{
    if (worldSize == 0 || imageSize == 0)
        return std::nullopt;
    return RoundToInt(offset + sign * world / (static_cast<double>(worldSize) / imageSize));
}

TPixel PixelAt(TPixel origin, double distance, double bearing)
{
    return {static_cast<int>(std::nearbyint(origin.x + distance * std::cos(bearing))),
            static_cast<int>(std::nearbyint(origin.y + distance * std::sin(bearing)))};
}

}  // namespace

TPixel MarkerPixel(double worldX, double worldY, const TPositioningGeometry& g, TPixel fallback)
{
    const auto x = MarkerCoordinate(worldX, g.worldWidth, g.imageWidth, g.boxWidth * 0.5, 1);
    const auto y = MarkerCoordinate(worldY, g.worldHeight, g.imageHeight, g.boxHeight * 0.5, -1);
    return {x.value_or(fallback.x), y.value_or(fallback.y)};
}

std::optional<TWorldXY> WorldPointOf(TPixel marker, const TPositioningGeometry& g)
{
    if (g.imageWidth == 0 || g.imageHeight == 0)
        return std::nullopt;
    return TWorldXY{std::nearbyint((marker.x - g.boxWidth * 0.5) * g.worldWidth / g.imageWidth),
                    std::nearbyint((g.boxHeight * 0.5 - marker.y) * g.worldHeight / g.imageHeight)};
}

double HeightFactor(double verticalScale, int shortSide)
{
    return DrawnVerticalScale(verticalScale) / std::max(shortSide, 1);
}

int HeightSpinValue(double worldZ, double heightFactor, int valueWhenUnset)
{
    if (!(worldZ >= 0))
        return valueWhenUnset;
    return RoundToInt(worldZ / heightFactor).value_or(valueWhenUnset);
}

double WorldHeightOf(int spinValue, double heightFactor)
{
    // The product carries the rounding error of the factor (5 * (1.2 / 3)
    // is 1.9999999999999998); truncating that would lower a height the user
    // never changed by one each time the dialog is confirmed.
    const double height = spinValue * heightFactor;
    return std::trunc(height + std::abs(height) * 1e-12);
}

int ScalePercentOf(double verticalScale)
{
    return RoundToInt(DrawnVerticalScale(verticalScale) * 100).value_or(100);
}

double VerticalScaleOf(int percent)
{
    return percent * 0.01;
}

std::string_view SchemeNameOf(std::uint8_t drawingScheme)
{
    switch (drawingScheme) {
    case kSchemeGradients:
        return "Gradients";
    case kSchemeVista:
        return "Vista";
    default:
        return "Overlay";
    }
}

std::uint8_t DrawingSchemeOf(std::string_view schemeName)
{
    if (schemeName == "Gradients")
        return kSchemeGradients;
    if (schemeName == "Overlay")
        return kSchemeOverlay;
    return kSchemeVista;
}

TBackgroundChoice BackgroundChoiceOf(std::int16_t backgroundType)
{
    switch (backgroundType) {
    case kGraduatedBackground:
        return TBackgroundChoice::Graduated;
    case kTexturedBackgroundOld:
    case kTexturedBackground:
        return TBackgroundChoice::Textured;
    default:
        return TBackgroundChoice::Solid;
    }
}

std::int16_t BackgroundTypeOf(TBackgroundChoice choice)
{
    switch (choice) {
    case TBackgroundChoice::Textured:
        return kTexturedBackground;
    case TBackgroundChoice::Graduated:
        return kGraduatedBackground;
    default:
        return kSolidBackground;
    }
}

int MistBarPosition(std::int16_t mistLevel)
{
    return mistLevel < kMistBarMin ? kMistBarMax : std::min<int>(mistLevel, kMistBarMax);
}

std::string MistDensityText(int position)
{
    return std::to_string(kMistBarMax - position);
}

std::string PercentText(int position)
{
    return std::to_string(position) + "%";
}

std::string ShadingContrastText(int position)
{
    return std::to_string(2 * position - 100) + "%";
}

TViewMarker ViewMarkerOf(TPixel camera, TPixel target, double viewAngle)
{
    const double bearing = std::atan2(target.y - camera.y, target.x - camera.x);
    const double half = viewAngle / 2 * std::numbers::pi / 180;
    TViewMarker marker;
    marker.camera = camera;
    marker.target = target;
    const double crossDistance = kCrossDistance / std::cos(half);
    for (int side = 0; side < 2; ++side) {
        const double edge = bearing + (side == 0 ? -half : half);
        marker.edgeEnds[side] = PixelAt(camera, kEdgeLength, edge);
        marker.crossEnds[side] = PixelAt(camera, crossDistance, edge);
    }
    marker.handle = PixelAt(camera, kCrossDistance, bearing);
    return marker;
}

TGrab GrabAt(TPixel press, const TViewMarker& marker)
{
    const auto near = [press](TPixel point) {
        return std::abs(press.x - point.x) <= kGrabReach && std::abs(press.y - point.y) <= kGrabReach;
    };
    if (near(marker.camera))
        return TGrab::Camera;
    if (near(marker.target))
        return TGrab::Target;
    if (near(marker.handle))
        return TGrab::Angle;
    return TGrab::None;
}

std::optional<double> ViewAngleForHandleDistance(double distance)
{
    if (!(distance > 0))
        return std::nullopt;
    return std::atan(kCrossDistance / distance) * 180 / std::numbers::pi;
}

bool SpreadVistaColours(std::array<TColorRef, kVistaEntries>& colours, int last, int clicked)
{
    const int low = std::min(last, clicked);
    const int high = std::max(last, clicked);
    if (low < 0 || high >= kVistaEntries || high - low < 2)
        return false;
    const TColorRef from = colours[low];
    const TColorRef to = colours[high];
    const auto channel = [](TColorRef colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); };
    for (int j = 1; j < high - low; ++j) {
        TColorRef mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const double step = static_cast<double>(channel(to, shift) - channel(from, shift)) / (high - low);
            const int value = channel(from, shift) + static_cast<int>(std::trunc(j * step));
            mixed |= static_cast<TColorRef>(value) << shift;
        }
        colours[low + j] = mixed;
    }
    return true;
}

TTreeSnowLines WithTreeLine(int tree, int snow)
{
    tree = std::clamp(tree, 0, 100);
    if (tree < snow)
        return {tree, snow};
    if (snow >= 1)
        return {snow - 1, snow};
    return {0, 1};
}

TTreeSnowLines WithSnowLine(int tree, int snow)
{
    snow = std::clamp(snow, 0, 100);
    if (snow > tree)
        return {tree, snow};
    if (tree <= 99)
        return {tree, tree + 1};
    return {99, 100};
}

}  // namespace tarn
