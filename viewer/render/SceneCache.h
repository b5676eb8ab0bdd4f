#pragma once

#include "model/MapHeader.h"
#include "viewer/render/SceneTypes.h"

#include <cstdint>
#include <vector>

namespace tarn {

class TNet;

// The plain surface of a map (four lit triangles per square, and the grid
// outline when grid lines are on) kept as one interleaved vertex array, a
// row of squares after another in the order the pass that recorded them
// walked the rows, so that later passes submit it with a few calls instead
// of rebuilding every square. Its shape stays valid while the grid, the
// height divisor and the grid lines are unchanged; its colours while the
// header fields and square records that colour the surface are unchanged
// too. Camera, light, mist and background may change freely.
class TSceneCache {
public:
    // Whether the cache can stand in for the square walk of this map: the
    // coloured schemes at fractal depth 0.
    static bool Covers(const TNet& net);

    enum class Fit {
        None,     // to be built anew
        Shape,    // the shape fits, the colours are to be painted again
        Complete  // to be drawn as it is
    };
    Fit FitFor(const TNet& net, double heightDivisor, bool withOutlines) const;
    // Remembers what the surface about to be recorded is built from, and
    // whether its rows will come north to south or the other way. Called
    // during a pass: the row lists of the old surface are deleted from the
    // current context.
    void Reset(const TNet& net, double heightDivisor, bool withOutlines, bool rowsFromNorth);
    // The same before the colours alone are painted again.
    void Recolour(const TNet& net);
    // Makes the next pass build the surface anew.
    void Invalidate();

    // From the second pass over the same surface on, each row of squares is
    // also kept as a display list, which OpenGL replays faster than it takes
    // the array again. True when the lists of `rows` rows of
    // `verticesPerRow` vertices are ready in the current context (they are
    // compiled here when they are not); false while the arrays are to be
    // drawn. Lists of an earlier context are left to that context.
    bool PrepareRowLists();
    unsigned RowList(int row) const { return rowLists_ + static_cast<unsigned>(StoredRow(row)); }
    // Drops the names of the row lists when a new context is current (the
    // old context keeps its lists until it goes).
    void ForgetRowLists();

    // Where the vertices of a row of squares (0 the northernmost) and of a
    // square (1-based, as the map counts them) begin.
    std::size_t RowStart(int row) const { return static_cast<std::size_t>(StoredRow(row)) * VerticesPerRow(); }
    TSceneVertex* SquareVertices(int index);
    int VerticesPerRow() const { return squareColumns_ * verticesPerSquare; }

    TSceneVertices vertices;
    // Vertices per square: 12 for the triangles, 4 more with an outline.
    int verticesPerSquare = 12;
    // The triangles of rows about to be drawn that can reach the picture,
    // one list per row; kept from pass to pass so that their memory is
    // taken once.
    std::vector<TSceneVertices> coveredRows;

private:
    struct ShapeKey {
        std::uint64_t grid = 0;
        std::size_t points = 0;
        std::size_t squares = 0;
        double heightDivisor = 0;
        bool withOutlines = false;
        friend bool operator==(const ShapeKey&, const ShapeKey&) = default;
    };
    struct ColourKey {
        TMapHeader header;
        std::uint64_t squares = 0;
        friend bool operator==(const ColourKey&, const ColourKey&) = default;
    };
    static ShapeKey ShapeKeyOf(const TNet& net, double heightDivisor, bool withOutlines);
    static ColourKey ColourKeyOf(const TNet& net);
    void DeleteRowLists();
    int StoredRow(int row) const { return rowsFromNorth_ ? row : squareRows_ - 1 - row; }

    ShapeKey shape_;
    ColourKey colour_;
    bool valid_ = false;
    int passes_ = 0;
    unsigned rowLists_ = 0;
    int listCount_ = 0;
    int squareColumns_ = 0;
    int squareRows_ = 0;
    bool rowsFromNorth_ = true;
};

}  // namespace tarn
