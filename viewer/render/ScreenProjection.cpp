#include "viewer/render/ScreenProjection.h"

#include <algorithm>
#include <limits>

namespace tarn {

namespace {

constexpr double kSizeFactor = 1.415;
// A clipped triangle has at most 3 + 6 corners, one more per clip plane.
constexpr int kMaxClipped = 9;

using Clip = std::array<double, 4>;  // x, y, z, w

struct Polygon {
    std::array<Clip, kMaxClipped> points{};
    int count = 0;
};

// The signed distance of a clip-space point inside plane k of the six
// (x >= -w, x <= w, y >= -w, y <= w, z >= -w, z <= w).
double Inside(const Clip& p, int plane)
{
    const double value = p[static_cast<std::size_t>(plane / 2)];
    return plane % 2 == 0 ? p[3] + value : p[3] - value;
}

Polygon ClipToPlane(const Polygon& in, int plane)
{
    Polygon out;
    for (int i = 0; i < in.count; ++i) {
        const Clip& a = in.points[static_cast<std::size_t>(i)];
        const Clip& b = in.points[static_cast<std::size_t>((i + 1) % in.count)];
        const double da = Inside(a, plane);
        const double db = Inside(b, plane);
        if (da >= 0 && out.count < kMaxClipped)
            out.points[static_cast<std::size_t>(out.count++)] = a;
        if ((da >= 0) != (db >= 0) && out.count < kMaxClipped) {
            const double t = da / (da - db);
            Clip cut;
            for (std::size_t k = 0; k < 4; ++k)
                cut[k] = a[k] + t * (b[k] - a[k]);
            out.points[static_cast<std::size_t>(out.count++)] = cut;
        }
    }
    return out;
}

}  // namespace

void TScreenProjection::Set(const Matrix& modelView, const Matrix& projection, int width, int height)
{
    combined_ = MatrixProduct(projection, modelView);
    width_ = width;
    height_ = height;
}

double TScreenProjection::QuadSize(const std::array<Point, 4>& corners) const
{
    std::array<Clip, 4> clip;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t row = 0; row < 4; ++row)
            clip[i][row] = combined_[row] * corners[i][0] + combined_[4 + row] * corners[i][1] +
                           combined_[8 + row] * corners[i][2] + combined_[12 + row];

    // Most squares lie wholly inside the view or wholly beyond one side of
    // it: neither needs clipping.
    int insideAll = 0;
    for (int plane = 0; plane < 6; ++plane) {
        int inside = 0;
        for (const Clip& p : clip)
            inside += Inside(p, plane) >= 0 ? 1 : 0;
        if (inside == 0)
            return 0;
        insideAll += inside == 4 ? 1 : 0;
    }

    constexpr double kHuge = std::numeric_limits<double>::max();
    double minX = kHuge, maxX = -kHuge, minY = kHuge, maxY = -kHuge;
    bool visible = false;
    const auto extend = [&](const Clip& p) {
        if (!(p[3] > 0))
            return;
        const double x = (p[0] / p[3] + 1) * 0.5 * width_;
        const double y = (p[1] / p[3] + 1) * 0.5 * height_;
        if (x >= 0 && x <= width_ && y >= 0 && y <= height_)
            visible = true;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    if (insideAll == 6) {
        for (const Clip& p : clip)
            extend(p);
    } else {
        static constexpr std::size_t kTriangles[2][3] = {{0, 1, 2}, {1, 2, 3}};
        for (const auto& triangle : kTriangles) {
            Polygon polygon;
            for (const std::size_t k : triangle)
                polygon.points[static_cast<std::size_t>(polygon.count++)] = clip[k];
            for (int plane = 0; plane < 6 && polygon.count > 0; ++plane)
                polygon = ClipToPlane(polygon, plane);
            for (int i = 0; i < polygon.count; ++i)
                extend(polygon.points[static_cast<std::size_t>(i)]);
        }
    }
    if (!visible)
        return 0;
    return kSizeFactor * std::max(maxX - minX, maxY - minY);
}

}  // namespace tarn
