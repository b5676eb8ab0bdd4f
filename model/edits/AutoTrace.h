#pragma once

#include "model/edits/RgbPicture.h"
#include "model/edits/TraceNodes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tarn {

struct TPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};

// The grid node nearest to a pixel of the picture, if any.
using TNodeLookup = std::function<std::optional<TGridNode>(TPixel)>;

struct TAutoTraceResult {
    // The nodes the line passes, in the order found, each new node once.
    std::vector<TGridNode> nodes;
    // Every pixel visited, in order, and the colour to mark them with on
    // screen: the inverse of the line's colour, or red where that is white.
    std::vector<TPixel> visited;
    std::uint32_t markColour = kRedRgb;
    // The trace stopped because a list reached kTraceEntryLimit.
    bool stoppedAtLimit = false;
};

// Follows the line of one colour from a start pixel: pixels whose red, green
// and blue each differ from the start's by at most `tolerance` belong to it.
// At every pixel the walk takes the first unvisited matching neighbour in
// the order left, up-left, right, up-right, up, down-right, down-left, down;
// where more than one matches, it keeps the pixel to come back to, and where
// none does it goes back to the last pixel kept. It ends when no pixel kept
// is left, or when the nodes or the pixels kept reach kTraceEntryLimit.
// A white start pixel is no line: nothing is traced.
TAutoTraceResult FollowContour(const TStretchedPicture& picture, TPixel start, int tolerance,
                               const TNodeLookup& nodeAt);

}  // namespace tarn
