#pragma once

#include "analysis/fractal/FractalOverlay.h"

#include <filesystem>

namespace tarn {

class IProgress;
class TNet;

// How the overlay picture is written: as it is, or reduced to the 256
// colours an 8-bit display can show.
enum class TOverlayColours { TrueColour, Reduced256 };

// Generates the map's fractal overlay and writes it as a BMP file; the
// status ends with "Completed" either way. Returns false, writing nothing,
// when the generation was stopped. Throws the generator's coded message, or
// ETarnError msg::ErrorWritingPicture when the file cannot be written.
bool WriteFractalOverlay(TNet& map, const fractal::TFractalParameters& parameters,
                         const std::filesystem::path& file, TOverlayColours colours, IProgress& progress);

}  // namespace tarn
