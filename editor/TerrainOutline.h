#pragma once

#include <QLine>

#include <array>

namespace tarn {

// Which neighbours of a square carry the same terrain.
struct TSameNeighbours {
    bool above = false;
    bool right = false;
    bool below = false;
    bool left = false;
};

// The lines that outline one square of a terrain region. The square's
// inner box runs from (x1, y1) to (x2, y2); its sides are walked
// clockwise from the top left. A side shared with a same-terrain neighbour is
// left out, and a side whose next side is shared runs two pixels on so that
// the outlines of neighbouring squares join without a gap.
struct TOutlineLines {
    std::array<QLine, 4> lines;
    int count = 0;
};
TOutlineLines TerrainOutline(int x1, int y1, int x2, int y2, const TSameNeighbours& same);

}  // namespace tarn
