#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tarn::polyred {

// A point of the grid: column x from the west, row y from the north.
struct TGridXY {
    int x = 0;
    int y = 0;
    friend bool operator==(const TGridXY&, const TGridXY&) = default;
};

// Twice the signed area of the triangle a, b, c in grid coordinates: positive
// when the corners turn the way the triangulation keeps its triangles.
inline std::int64_t Orientation(TGridXY a, TGridXY b, TGridXY c)
{
    return std::int64_t{b.x - a.x} * (c.y - a.y) - std::int64_t{b.y - a.y} * (c.x - a.x);
}

// A Delaunay triangulation of grid points over a rectangle, refined one point
// at a time. Triangles are kept as corner triples with positive Orientation;
// edge e of triangle t = e / 3 runs from corner e % 3 to the next corner, and
// Opposite(e) is the same edge seen from the neighbouring triangle (-1 on the
// rectangle's border). All tests are exact integer arithmetic, so points on
// edges and four points on one circle (common on a grid) are decided without
// rounding; such circles are left as they are, never flipped back and forth.
class TTriangulation {
public:
    // The two triangles over the rectangle (0, 0) .. (width - 1, height - 1)
    // split along its diagonal from the north-west to the south-east corner.
    // width and height are at least 2 and at most 16384, so every test fits
    // in 64 bits.
    TTriangulation(int width, int height);

    static constexpr int kMaxSide = 16384;

    int TriangleCount() const { return static_cast<int>(corners_.size() / 3); }
    int PointCount() const { return static_cast<int>(points_.size()); }
    TGridXY Point(int vertex) const { return points_[static_cast<std::size_t>(vertex)]; }
    int Corner(int triangle, int corner) const { return corners_[static_cast<std::size_t>(3 * triangle + corner)]; }
    std::array<int, 3> Corners(int triangle) const;
    int Opposite(int edge) const { return opposite_[static_cast<std::size_t>(edge)]; }

    // Adds point p, which lies inside `triangle` or on one of its edges but
    // on none of its corners, and restores the Delaunay property. Returns the
    // new vertex. Every triangle made or changed is appended to `changed`
    // (a triangle may appear more than once).
    int Insert(TGridXY p, int triangle, std::vector<int>& changed);

private:
    int AddPoint(TGridXY p);
    int AddTriangle();
    void SetTriangle(int triangle, int a, int b, int c);
    void Link(int edge, int opposite);
    void SplitTriangle(int vertex, int triangle, std::vector<int>& changed);
    void SplitEdge(int vertex, int edge, std::vector<int>& changed);
    void Legalise(int edge, std::vector<int>& changed);

    std::vector<TGridXY> points_;
    std::vector<int> corners_;
    std::vector<int> opposite_;
    std::vector<int> pendingEdges_;
};

}  // namespace tarn::polyred
