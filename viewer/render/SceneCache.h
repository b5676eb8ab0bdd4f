#pragma once

#include "model/MapHeader.h"
#include "viewer/render/SceneTypes.h"

#include <cstdint>
#include <vector>

namespace tarn {

class TNet;

// The plain surface of a map (four lit triangles per square, and the grid
// outline when grid lines are on) kept as one interleaved vertex array in
// north-to-south row order, so that the frames of an animation submit it
// with a few calls instead of rebuilding every square. It stays valid while
// the grid and the header fields that colour and shape the surface are
// unchanged; camera, light, mist and background may change freely.
class TSceneCache {
public:
    // Whether the cache can stand in for the square walk of this map: the
    // coloured schemes at fractal depth 0.
    static bool Covers(const TNet& net);

    // True when the kept surface was built from the map as it is now.
    bool Matches(const TNet& net) const;
    // Remembers what the surface about to be recorded is built from. Called
    // during a pass: the row lists of the old surface are deleted from the
    // current context.
    void Reset(const TNet& net, bool withOutlines);

    // From the second animation frame over the same surface on, each row of
    // squares is also kept as a display list, which OpenGL replays faster
    // than it takes the array again. True when the lists of `rows` rows of
    // `verticesPerRow` vertices are ready in the current context (they are
    // compiled here when they are not); false while the arrays are to be
    // drawn. Lists of an earlier context are left to that context.
    bool PrepareRowLists(int rows, int verticesPerRow);
    unsigned RowList(int row) const { return rowLists_ + static_cast<unsigned>(row); }
    // Drops the names of the row lists when a new context is current (the
    // old context keeps its lists until it goes).
    void ForgetRowLists();

    std::vector<TSceneVertex> vertices;
    // Vertices per square: 12 for the triangles, 4 more with an outline.
    int verticesPerSquare = 12;
    bool withOutlines = false;

private:
    struct Key {
        TMapHeader header;
        std::uint64_t grid = 0;
        std::size_t points = 0;
        std::size_t squares = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    static Key KeyOf(const TNet& net);

    Key key_;
    bool valid_ = false;
    int passes_ = 0;
    unsigned rowLists_ = 0;
    int listCount_ = 0;
};

}  // namespace tarn
