#include "analysis/polyred/ErrorScan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarn::polyred {

namespace {

// Heights are whole numbers, so a point off a triangle's plane is off by at
// least 1 / (twice the triangle's area), more than 2e-6 on any map; the
// plane's own rounding stays far below 1e-9. Anything under this is a fit.
constexpr double kExactFit = 1e-6;

std::int64_t FloorDivide(std::int64_t numerator, std::int64_t positiveDivisor)
{
    std::int64_t quotient = numerator / positiveDivisor;
    if (numerator % positiveDivisor != 0 && numerator < 0)
        --quotient;
    return quotient;
}

// The columns of row y that lie on the inner side of edge p -> q (or on it)
// narrow [first, last].
void ClipRowByEdge(TGridXY p, TGridXY q, int y, std::int64_t& first, std::int64_t& last)
{
    const std::int64_t dx = q.x - p.x;
    const std::int64_t dy = q.y - p.y;
    const std::int64_t rise = dx * (y - p.y);
    // Inside means dy * (x - p.x) <= dx * (y - p.y).
    if (dy > 0)
        last = std::min(last, p.x + FloorDivide(rise, dy));
    else if (dy < 0)
        first = std::max(first, p.x - FloorDivide(rise, -dy));
}

}  // namespace

TCandidate LargestError(const TSampleGrid& samples, const TSurfacePoint& a, const TSurfacePoint& b,
                        const TSurfacePoint& c)
{
    // The plane z = a.height + slopeX * (x - a.x) + slopeY * (y - a.y).
    const double ux = b.at.x - a.at.x, uy = b.at.y - a.at.y, uz = b.height - a.height;
    const double vx = c.at.x - a.at.x, vy = c.at.y - a.at.y, vz = c.height - a.height;
    const double normalZ = ux * vy - uy * vx;
    const double slopeX = -(uy * vz - uz * vy) / normalZ;
    const double slopeY = -(uz * vx - ux * vz) / normalZ;

    TCandidate best{a.at, 0};
    const int top = std::min({a.at.y, b.at.y, c.at.y});
    const int bottom = std::max({a.at.y, b.at.y, c.at.y});
    for (int y = top; y <= bottom; ++y) {
        std::int64_t first = 0;
        std::int64_t last = samples.width - 1;
        ClipRowByEdge(a.at, b.at, y, first, last);
        ClipRowByEdge(b.at, c.at, y, first, last);
        ClipRowByEdge(c.at, a.at, y, first, last);
        const double* row = samples.values.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(samples.width);
        const double base = a.height - slopeX * a.at.x + slopeY * (y - a.at.y);
        for (auto x = first; x <= last; ++x) {
            const double error = std::fabs(row[x] - (base + slopeX * static_cast<double>(x)));
            if (error > best.error)
                best = {{static_cast<int>(x), y}, error};
        }
    }
    if (best.error < kExactFit)
        best.error = 0;
    return best;
}

}  // namespace tarn::polyred
