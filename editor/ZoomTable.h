#pragma once

#include <array>

namespace tarn {

// Pixels per grid step the canvas offers, smallest first.
inline constexpr std::array<int, 12> kZoomTable{1, 2, 3, 4, 5, 7, 9, 13, 18, 25, 36, 50};
inline constexpr int kStartZoom = 5;

// The zoom one step in or out of `zoom` in the table. Zooming out from the
// first entry keeps it; zooming in from the last entry steps back to the one
// before, so callers guard that end themselves. A zoom that is not in the
// table is returned unchanged.
int ZoomStep(int zoom, bool in);

}  // namespace tarn
