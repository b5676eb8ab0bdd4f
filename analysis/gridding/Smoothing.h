#pragma once

namespace tarn {
class TNet;
}

namespace tarn::gridding {

// The smoothing transform over the whole grid: every node with a height
// becomes the average of the heights in the 3 x 3 block around it (itself
// included, within the grid), rounded (halves to even) and raised to
// minHeight when below it, each from the heights before smoothing. Then
// every value below -1 is stored as -1, so Null nodes and negative heights
// become -1. The header's MaxHeight becomes the largest value (at least 0)
// and MinHeight the smallest (0 when it is negative); the squares' mean
// heights are brought up to date.
void SmoothHeights(TNet& net, int minHeight);

}  // namespace tarn::gridding
