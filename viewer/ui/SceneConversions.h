#pragma once

#include "model/Colour.h"
#include "model/MapHeader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the scene-parameter dialog's controls stand for the header's fields,
// both ways, without any widget.
namespace tarn {

// A pixel position on the positioning map (y grows downwards).
struct TPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};

// The positioning map: the paint box the markers are drawn on (W x H), the
// flat image of the map under it (FW x FH) and the map's world size.
struct TPositioningGeometry {
    int boxWidth = 0;
    int boxHeight = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    int worldWidth = 0;
    int worldHeight = 0;
};

inline constexpr TPixel kCameraFallback{20, 20};
inline constexpr TPixel kTargetFallback{40, 40};

// The marker pixel of a world point: x = round(wx / (WorldWidth / FW) + W/2),
// y = round(H/2 - wy / (WorldHeight / FH)). A coordinate that cannot be
// worked out (a zero size) takes the fallback's.
TPixel MarkerPixel(double worldX, double worldY, const TPositioningGeometry& geometry, TPixel fallback);

struct TWorldXY {
    double x = 0;
    double y = 0;
    friend bool operator==(const TWorldXY&, const TWorldXY&) = default;
};
// The world point of a marker pixel, each coordinate rounded to a whole
// number; nothing when the map has no size.
std::optional<TWorldXY> WorldPointOf(TPixel marker, const TPositioningGeometry& geometry);

// World height units per unit of the height spins: VerticalScale / ShortSide.
// A scale never set (0) counts as 100 % and a short side below 1 as 1, as the
// renderer takes them.
double HeightFactor(double verticalScale, int shortSide);
// The spin value of a camera or target height: round(z / factor), or the
// value for "not set" when z is below 0.
int HeightSpinValue(double worldZ, double heightFactor, int valueWhenUnset);
// The world height of a spin value: trunc(value * factor), the product
// taken without the rounding error of the factor.
double WorldHeightOf(int spinValue, double heightFactor);

// "Vertical Scaling %": round(VerticalScale * 100), 100 for a scale the
// map is drawn at 100 % (DrawnVerticalScale); back as value * 0.01.
int ScalePercentOf(double verticalScale);
double VerticalScaleOf(int percent);

// The scheme list shows "Gradients", "Overlay" and "Vista" (sorted).
// Opening: 12 "Gradients", 13 "Vista", anything else "Overlay". Closing:
// "Gradients" 12, "Overlay" 11, anything else 13.
inline constexpr std::array<std::string_view, 3> kSchemeNames{"Gradients", "Overlay", "Vista"};
std::string_view SchemeNameOf(std::uint8_t drawingScheme);
std::uint8_t DrawingSchemeOf(std::string_view schemeName);

enum class TBackgroundChoice { Solid, Graduated, Textured };
// 142 Graduated, 145 or 146 Textured, anything else Solid.
TBackgroundChoice BackgroundChoiceOf(std::int16_t backgroundType);
// Textured 146, Graduated 142, Solid 141.
std::int16_t BackgroundTypeOf(TBackgroundChoice choice);

// The mist bar runs 10..5000; a level below 10 opens at 5000 (the thinnest
// mist), one above 5000 at 5000.
inline constexpr int kMistBarMin = 10;
inline constexpr int kMistBarMax = 5000;
int MistBarPosition(std::int16_t mistLevel);
// The texts beside the four bars.
std::string MistDensityText(int position);       // 5000 - position
std::string PercentText(int position);           // "40%"
std::string ShadingContrastText(int position);   // 2 * position - 100, "%"

// The positioning map's view marker: lines from the camera to the target and
// along the edges of the angle of view, a cross line 50 pixels ahead of the
// camera and the angle handle in its middle.
struct TViewMarker {
    TPixel camera;
    TPixel target;
    std::array<TPixel, 2> edgeEnds{};   // 100 pixels from the camera
    std::array<TPixel, 2> crossEnds{};  // 50 / cos(h) pixels from the camera
    TPixel handle;
};
TViewMarker ViewMarkerOf(TPixel camera, TPixel target, double viewAngle);

enum class TGrab { None, Camera, Target, Angle };
// What a press at the pixel takes hold of: the camera first, then the
// target, then the angle handle, each within 4 pixels both ways.
TGrab GrabAt(TPixel press, const TViewMarker& marker);
// The angle of view the handle gives when dragged to d pixels from the
// camera: degrees(arctan(50 / d)); nothing for d = 0.
std::optional<double> ViewAngleForHandleDistance(double distance);

// Vista swatches 0..11 (Tree1..4, Bare1..4, Snow1..4). When the swatches
// clicked one after the other lie two or more apart, those strictly between
// take evenly spaced colours from the lower-index end towards the other,
// each channel trunc(j * step) away from it; returns whether it filled any.
bool SpreadVistaColours(std::array<TColorRef, kVistaEntries>& colours, int last, int clicked);

// The tree line stays below the snow line and neither exceeds 100: the line
// being set gives way to the other.
struct TTreeSnowLines {
    int tree = 0;
    int snow = 0;
    friend bool operator==(const TTreeSnowLines&, const TTreeSnowLines&) = default;
};
TTreeSnowLines WithTreeLine(int tree, int snow);
TTreeSnowLines WithSnowLine(int tree, int snow);

}  // namespace tarn
