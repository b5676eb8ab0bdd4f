#pragma once

#include "analysis/polyred/HeightField.h"

#include <array>
#include <optional>
#include <vector>

namespace tarn {

class IProgress;

// A corner of a triangulated irregular network: a grid node (column from
// the west, row from the north, both from 0) and the surface's height there.
struct TTinVertex {
    int column = 0;
    int row = 0;
    int height = 0;
    friend bool operator==(const TTinVertex&, const TTinVertex&) = default;
};

// A triangulated irregular network over a height field's grid. The triangles
// cover the grid's rectangle exactly once; each lists three vertex numbers
// counter-clockwise as seen from above with north at the top.
struct TTin {
    int columns = 0;
    int rows = 0;
    double spacing = 1;
    std::vector<TTinVertex> vertices;
    std::vector<std::array<int, 3>> triangles;
    // The largest vertical distance between a non-null node and the surface.
    double largestError = 0;
};

struct TReductionOptions {
    // The most triangles the network may have; at least 2.
    int polygons = 500;
    // Refinement stops once no node lies farther than this from the surface.
    double tolerance = 10;
};

// Reduces a height field to a triangulated irregular network by greedy
// insertion: starting from the two triangles over the whole grid, the node
// farthest (vertically) from the surface is added and the Delaunay
// triangulation repaired, until the next point would take the network over
// `polygons` triangles or no node is farther than `tolerance`. Each triangle
// remembers its own farthest node in a priority queue, so an insertion only
// measures again the triangles it made or changed.
//
// Null nodes are not triangulated: they never become vertices and never count
// in an error, so the surface spans a patch of them with the triangles of the
// heights around it. A null corner of the grid (the corners are always
// vertices) takes the height of the nearest node that has one.
//
// Reports progress as the share of the polygon budget used; returns nothing
// when progress asks to stop. Throws EInvalidData msg::TooFewPolygons for a
// budget below 2 and msg::HeightFieldNotReducible (with the reason) for a
// grid of fewer than 2 columns or rows, one wider or taller than 16384 nodes,
// heights that do not fill it, or no height at all.
std::optional<TTin> ReduceHeightField(const THeightField& field, const TReductionOptions& options,
                                      IProgress& progress);

}  // namespace tarn
