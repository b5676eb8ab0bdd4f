#pragma once

namespace tarn {

class TNet;

// A new map starts with the camera at (-50, -50, 50) looking at (0, 0, 0),
// which on most maps lies inside or below the ground. A map that still has
// that view when it is opened for viewing is given a camera that shows the
// whole map instead: south of it, above its highest node, looking north at
// the middle of its nodes, so that the map fills the width of a 4:3 view at
// the usual 30 degree angle. Any other view, and a map without heights, is
// kept.
void ViewWholeMapIfNewView(TNet& net);

}  // namespace tarn
