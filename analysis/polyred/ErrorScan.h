#pragma once

#include "analysis/polyred/Triangulation.h"

#include <vector>

namespace tarn::polyred {

// The heights a reduction measures against, row by row from the north-west
// corner. Null nodes are held as NaN: every comparison with their error is
// false, so a scan never picks one and they never count in an error.
struct TSampleGrid {
    int width = 0;
    int height = 0;
    std::vector<float> values;

};

// A corner of a triangle with the height the surface has there.
struct TSurfacePoint {
    TGridXY at;
    double height = 0;
};

// The grid point that lies farthest from a triangle's plane, and how far.
struct TCandidate {
    TGridXY at;
    double error = 0;
};

// Looks at every non-null grid point inside the triangle or on its edges
// (corners a, b, c with positive Orientation) and returns the one whose
// height differs most from the plane through the corners. A triangle with
// no such point, or one that fits the heights exactly, returns error 0.
TCandidate LargestError(const TSampleGrid& samples, const TSurfacePoint& a, const TSurfacePoint& b,
                        const TSurfacePoint& c);

}  // namespace tarn::polyred
