#include "analysis/polyred/Triangulation.h"

namespace tarn::polyred {

namespace {

int NextEdge(int edge) { return edge % 3 == 2 ? edge - 2 : edge + 1; }
int PreviousEdge(int edge) { return edge % 3 == 0 ? edge + 2 : edge - 1; }

// Positive when d lies inside the circle through a, b and c (positive
// Orientation), zero when on it.
bool InsideCircle(TGridXY a, TGridXY b, TGridXY c, TGridXY d)
{
    const std::int64_t adx = a.x - d.x, ady = a.y - d.y;
    const std::int64_t bdx = b.x - d.x, bdy = b.y - d.y;
    const std::int64_t cdx = c.x - d.x, cdy = c.y - d.y;
    const std::int64_t aLift = adx * adx + ady * ady;
    const std::int64_t bLift = bdx * bdx + bdy * bdy;
    const std::int64_t cLift = cdx * cdx + cdy * cdy;
    return adx * (bdy * cLift - bLift * cdy) - ady * (bdx * cLift - bLift * cdx) + aLift * (bdx * cdy - bdy * cdx) > 0;
}

}  // namespace

TTriangulation::TTriangulation(int width, int height)
{
    const int northWest = AddPoint({0, 0});
    const int northEast = AddPoint({width - 1, 0});
    const int southEast = AddPoint({width - 1, height - 1});
    const int southWest = AddPoint({0, height - 1});
    const int upper = AddTriangle();
    const int lower = AddTriangle();
    SetTriangle(upper, northWest, northEast, southEast);
    SetTriangle(lower, northWest, southEast, southWest);
    // The diagonal: edge 2 of the upper triangle (south-east to north-west)
    // and edge 0 of the lower one (north-west to south-east).
    Link(3 * upper + 2, 3 * lower + 0);
}

std::array<int, 3> TTriangulation::Corners(int triangle) const
{
    return {Corner(triangle, 0), Corner(triangle, 1), Corner(triangle, 2)};
}

int TTriangulation::AddPoint(TGridXY p)
{
    points_.push_back(p);
    return PointCount() - 1;
}

int TTriangulation::AddTriangle()
{
    corners_.insert(corners_.end(), 3, -1);
    opposite_.insert(opposite_.end(), 3, -1);
    return TriangleCount() - 1;
}

void TTriangulation::SetTriangle(int triangle, int a, int b, int c)
{
    const auto first = static_cast<std::size_t>(3 * triangle);
    corners_[first] = a;
    corners_[first + 1] = b;
    corners_[first + 2] = c;
}

void TTriangulation::Link(int edge, int opposite)
{
    opposite_[static_cast<std::size_t>(edge)] = opposite;
    if (opposite >= 0)
        opposite_[static_cast<std::size_t>(opposite)] = edge;
}

int TTriangulation::Insert(TGridXY p, int triangle, std::vector<int>& changed)
{
    const int vertex = AddPoint(p);
    for (int corner = 0; corner < 3; ++corner) {
        const int edge = 3 * triangle + corner;
        if (Orientation(Point(corners_[static_cast<std::size_t>(edge)]),
                        Point(corners_[static_cast<std::size_t>(NextEdge(edge))]), p) == 0) {
            SplitEdge(vertex, edge, changed);
            return vertex;
        }
    }
    SplitTriangle(vertex, triangle, changed);
    return vertex;
}

// Triangle a, b, c becomes a, b, p (kept in place), b, c, p and c, a, p. Each
// keeps the outer edge opposite p as its edge 0.
void TTriangulation::SplitTriangle(int vertex, int triangle, std::vector<int>& changed)
{
    const auto [a, b, c] = Corners(triangle);
    const int outerBC = Opposite(3 * triangle + 1);
    const int outerCA = Opposite(3 * triangle + 2);
    const int first = triangle;
    const int second = AddTriangle();
    const int third = AddTriangle();
    SetTriangle(first, a, b, vertex);
    SetTriangle(second, b, c, vertex);
    SetTriangle(third, c, a, vertex);
    // Edge 0 of the first triangle keeps its neighbour across a-b.
    Link(3 * second, outerBC);
    Link(3 * third, outerCA);
    Link(3 * first + 1, 3 * second + 2);
    Link(3 * second + 1, 3 * third + 2);
    Link(3 * third + 1, 3 * first + 2);
    changed.insert(changed.end(), {first, second, third});
    Legalise(3 * first, changed);
    Legalise(3 * second, changed);
    Legalise(3 * third, changed);
}

// Point p lies on `edge` (a to b) of triangle a, b, c, whose neighbour across
// it (if any) is b, a, d. Each side is cut in two at p; every new triangle
// keeps the outer edge opposite p as its edge 0.
void TTriangulation::SplitEdge(int vertex, int edge, std::vector<int>& changed)
{
    const int triangle = edge / 3;
    const int a = corners_[static_cast<std::size_t>(edge)];
    const int b = corners_[static_cast<std::size_t>(NextEdge(edge))];
    const int c = corners_[static_cast<std::size_t>(PreviousEdge(edge))];
    const int outerBC = Opposite(NextEdge(edge));
    const int outerCA = Opposite(PreviousEdge(edge));
    const int across = Opposite(edge);

    const int nearA = triangle;  // c, a, p
    const int nearB = AddTriangle();  // b, c, p
    SetTriangle(nearA, c, a, vertex);
    SetTriangle(nearB, b, c, vertex);
    Link(3 * nearA, outerCA);
    Link(3 * nearB, outerBC);
    Link(3 * nearA + 2, 3 * nearB + 1);
    changed.insert(changed.end(), {nearA, nearB});

    if (across < 0) {
        Link(3 * nearA + 1, -1);
        Link(3 * nearB + 2, -1);
    } else {
        const int other = across / 3;
        const int d = corners_[static_cast<std::size_t>(PreviousEdge(across))];
        const int outerDB = Opposite(PreviousEdge(across));
        const int outerAD = Opposite(NextEdge(across));
        const int farA = other;  // a, d, p
        const int farB = AddTriangle();  // d, b, p
        SetTriangle(farA, a, d, vertex);
        SetTriangle(farB, d, b, vertex);
        Link(3 * farA, outerAD);
        Link(3 * farB, outerDB);
        Link(3 * farA + 1, 3 * farB + 2);
        Link(3 * nearB + 2, 3 * farB + 1);
        Link(3 * farA + 2, 3 * nearA + 1);
        changed.insert(changed.end(), {farA, farB});
        Legalise(3 * farA, changed);
        Legalise(3 * farB, changed);
    }
    Legalise(3 * nearA, changed);
    Legalise(3 * nearB, changed);
}

// `edge` is opposite the new point in its triangle. While the point beyond
// the edge lies inside that triangle's circle, the edge is flipped to join
// the new point and the two edges that then face the new point are checked
// in turn.
void TTriangulation::Legalise(int edge, std::vector<int>& changed)
{
    pendingEdges_.assign(1, edge);
    while (!pendingEdges_.empty()) {
        const int near = pendingEdges_.back();
        pendingEdges_.pop_back();
        const int far = Opposite(near);
        if (far < 0)
            continue;
        const int nearNext = NextEdge(near);
        const int nearPrevious = PreviousEdge(near);
        const int farNext = NextEdge(far);
        const int farPrevious = PreviousEdge(far);
        const int apex = corners_[static_cast<std::size_t>(nearPrevious)];
        const int from = corners_[static_cast<std::size_t>(near)];
        const int to = corners_[static_cast<std::size_t>(nearNext)];
        const int beyond = corners_[static_cast<std::size_t>(farPrevious)];
        if (!InsideCircle(Point(apex), Point(from), Point(to), Point(beyond)))
            continue;
        // apex, from, to and beyond, to, from become apex, beyond, to and
        // beyond, apex, from.
        corners_[static_cast<std::size_t>(near)] = beyond;
        corners_[static_cast<std::size_t>(far)] = apex;
        const int outerBeyondTo = Opposite(farPrevious);
        const int outerApexFrom = Opposite(nearPrevious);
        Link(near, outerBeyondTo);
        Link(far, outerApexFrom);
        Link(nearPrevious, farPrevious);
        changed.push_back(near / 3);
        changed.push_back(far / 3);
        pendingEdges_.push_back(near);
        pendingEdges_.push_back(farNext);
    }
}

}  // namespace tarn::polyred
