#pragma once

#include "analysis/fractal/OverlayPicture.h"
#include "analysis/fractal/Roughening.h"

#include <cstdint>
#include <optional>

namespace tarn {
class IProgress;
class TNet;
}  // namespace tarn

namespace tarn::fractal {

struct TFractalParameters {
    // The width of the screen the picture is made for, in pixels.
    int screenWidth = 1024;
    // The first (colour) pass; None leaves the picture smooth.
    TRoughness level = TRoughness::None;
    // The second (brightness) pass, made only when the level is not None.
    TRoughness density = TRoughness::None;
    // Starts the random numbers of the roughening.
    std::uint32_t seed = 0;
};

// Whole pixels per grid square: the screen width over the squares along the
// map's longer side, rounded to the nearest (halves to even).
int CellSize(int columns, int rows, int screenWidth);

// Paints the map's top view under the Gradients scheme, each square lit from
// the map's light direction (LightAlt, LightAz) and blended into its
// neighbours, then roughens it as the parameters ask. Progress goes to the
// observer ("Generate Fractal" and its steps); the map's AbortLoad flag,
// which a pump() answering false also sets, stops the painting and gives
// nothing. Throws ETarnError msg::FractalBitmapCreateFailed when the
// picture cannot be made.
std::optional<TOverlayPicture> GenerateFractalOverlay(TNet& map, const TFractalParameters& parameters,
                                                      IProgress& progress);

}  // namespace tarn::fractal
