#include "analysis/gridding/ConvexHull.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarn::gridding {

namespace {

struct Corner {
    long long x;
    long long y;
    friend bool operator==(const Corner&, const Corner&) = default;
};

long long Cross(const Corner& o, const Corner& a, const Corner& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Andrew's monotone chain: the hull's corners in order, without collinear
// ones; a single corner or two for degenerate hulls.
std::vector<Corner> Hull(std::span<const KnownNode> known)
{
    std::vector<Corner> points;
    points.reserve(known.size());
    for (const KnownNode& node : known)
        points.push_back({node.column, node.row});
    std::sort(points.begin(), points.end(),
              [](const Corner& a, const Corner& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<Corner> hull(2 * points.size());
    std::size_t count = 0;
    for (const Corner& p : points) {
        while (count >= 2 && Cross(hull[count - 2], hull[count - 1], p) <= 0)
            --count;
        hull[count++] = p;
    }
    const std::size_t lowerCount = count + 1;
    for (std::size_t i = points.size() - 1; i-- > 0;) {
        while (count >= lowerCount && Cross(hull[count - 2], hull[count - 1], points[i]) <= 0)
            --count;
        hull[count++] = points[i];
    }
    hull.resize(count - 1);
    return hull;
}

}  // namespace

std::vector<std::uint8_t> InsideHull(int columns, int rows, std::span<const KnownNode> known)
{
    std::vector<std::uint8_t> inside(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
    const std::vector<Corner> hull = Hull(known);
    if (hull.empty())
        return inside;
    // A convex hull meets each row in one stretch of columns; its ends lie
    // on the hull's edges (each corner counts as an edge to itself too).
    constexpr double kSlack = 1e-9;
    for (int row = 0; row < rows; ++row) {
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (std::size_t i = 0; i < hull.size(); ++i) {
            const Corner& a = hull[i];
            const Corner& b = hull[(i + 1) % hull.size()];
            if (row < std::min(a.y, b.y) || row > std::max(a.y, b.y))
                continue;
            if (a.y == b.y) {
                lowest = std::min({lowest, static_cast<double>(a.x), static_cast<double>(b.x)});
                highest = std::max({highest, static_cast<double>(a.x), static_cast<double>(b.x)});
                continue;
            }
            const double x = static_cast<double>(a.x) + static_cast<double>(row - a.y) *
                                                            static_cast<double>(b.x - a.x) /
                                                            static_cast<double>(b.y - a.y);
            lowest = std::min(lowest, x);
            highest = std::max(highest, x);
        }
        if (lowest > highest)
            continue;
        const int first = std::max(0, static_cast<int>(std::ceil(lowest - kSlack)));
        const int last = std::min(columns - 1, static_cast<int>(std::floor(highest + kSlack)));
        for (int column = first; column <= last; ++column)
            inside[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column)] = 1;
    }
    return inside;
}

}  // namespace tarn::gridding
