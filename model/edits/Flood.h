#pragma once

#include "model/Errors.h"
#include "model/edits/GridRange.h"

namespace tarn {

class TNet;
class TUndoList;

// A flood that cannot start; the map is left as it was.
class EAbortFlood : public ETarnError {
public:
    using ETarnError::ETarnError;
};

namespace msg {
inline constexpr const char* InvalidTerrainPolygon = "E0047 Invalid Terrain Polygon";
inline constexpr const char* FloodStartNotLevel = "E0020 Operation aborted - starting square is not level";
inline constexpr const char* FloodStartNull = "E0021 Operation aborted - starting square height is null";
}  // namespace msg

inline constexpr int kWaterTerrain = 1;

// Whether a square lies flat: both of its triangles have an upright normal.
bool SquareIsLevel(const TNet& net, const TGridSquare& square);

// Turns the level area around a square into Water, the way a lake fills a
// basin: every level square at the start square's mean height that is
// joined to it through left, right, upper and lower neighbours, except
// squares of the terrains 2 to 6 (Forest, Buildings, Road, Rock, Sand),
// which neither flood nor let the water through. Mean heights of all
// squares are brought up to date first.
//
// When squares change, the undo list is cleared and their old terrains are
// saved, so Undo takes the flood back; a flood that changes nothing leaves
// the list alone. Returns the number of squares that became Water. Throws
// EAbortFlood for a start outside the grid (E0047), a start square that is
// not level (E0020) or whose mean height is Null (E0021).
int Flood(TNet& net, TUndoList& undo, int column, int row);

}  // namespace tarn
