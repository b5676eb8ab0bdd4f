#pragma once

#include "viewer/anim/FlightPath.h"

#include <array>
#include <iosfwd>
#include <vector>

namespace tarn {

// Writes the path as an animation script: the path type, one data line per
// frame, the control points, the view points and the flight parameters,
// lines ending in CR LF.
void WriteScript(std::ostream& out, const TFlightPath& path);

// Reads a script back into the path maker's model: type, control points,
// view points and flight parameters (the frame lines are skipped; they are
// generated again). Throws ETarnError with E0034 to E0038, E0042 or E0044;
// the path then keeps what was read before the fault.
void ReadPathScript(std::istream& in, TFlightPath& path);

// A script as the viewer plays it: the type and the data lines, each eye x,
// eye y, eye height, target x, target y.
struct TPlayScript {
    using TPoint = std::array<double, 5>;
    TPathType type = TPathType::Flight;
    std::vector<TPoint> points;
    // The usable points: one less than the data lines read, 0 for none.
    int PointCount() const { return points.empty() ? 0 : static_cast<int>(points.size()) - 1; }
};

// The viewer's reader: type and data lines up to "[Control Points]", at most
// 721. Throws ETarnError with E0034, E0035, E0028, E0029 or E0030; `script`
// keeps the lines read before the fault.
void ReadPlayScript(std::istream& in, TPlayScript& script);

}  // namespace tarn
