#include "viewer/render/PixelCoverage.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

// OpenGL keeps its matrices in single precision and forms clip coordinates
// with a few products and sums of them; sixteen units of single-precision
// rounding of the absolute terms bound what that can add up to.
constexpr double kRounding = 16.0 / (1 << 24);
// Window positions are snapped to a grid of subpixels (1/256 of a pixel on
// the software renderer, at least 1/16 by the standard): a margin of one
// whole subpixel, and never less than 1/64 of a pixel, covers that and the
// little the division and viewport scaling round.
double SnapMargin(int subpixelBits) { return std::max(1.0 / 64, std::ldexp(1.0, -std::clamp(subpixelBits, 4, 16))); }
// Beyond this many pixel centres in its box a triangle is simply drawn.
constexpr double kMostCentresTried = 4;

TPixelCoverage::Culled CulledOfCurrentContext()
{
    if (!glIsEnabled(GL_CULL_FACE))
        return TPixelCoverage::Culled::None;
    GLint face = GL_BACK;
    GLint front = GL_CCW;
    glGetIntegerv(GL_CULL_FACE_MODE, &face);
    glGetIntegerv(GL_FRONT_FACE, &front);
    if (face == GL_FRONT_AND_BACK)
        return TPixelCoverage::Culled::None;  // nothing filled is drawn; rare enough to leave to OpenGL
    const bool anticlockwiseFront = front == GL_CCW;
    return (face == GL_BACK) == anticlockwiseFront ? TPixelCoverage::Culled::Clockwise
                                                   : TPixelCoverage::Culled::Anticlockwise;
}

}  // namespace

TPixelCoverage::TPixelCoverage(const View& view)
    : snapMargin_(SnapMargin(view.subpixelBits)), viewport_(view.viewport), culled_(view.culled)
{
    combined_ = MatrixProduct(view.projection, view.modelView);
    const Matrix bound = MatrixProduct(view.projection, view.modelView, true);
    for (std::size_t row = 0; row < 4; ++row) {
        roundingPerUnit_[row] = kRounding * (bound[row] + bound[4 + row] + bound[8 + row]);
        roundingConstant_[row] = kRounding * bound[12 + row];
    }
}

std::optional<TPixelCoverage> TPixelCoverage::OfCurrentContext()
{
    GLint renderMode = 0;
    GLint sampleBuffers = 0;
    std::array<GLint, 2> polygonModes{};
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    glGetIntegerv(GL_POLYGON_MODE, polygonModes.data());
    if (renderMode != GL_RENDER || sampleBuffers != 0 || glIsEnabled(GL_POLYGON_SMOOTH) ||
        polygonModes[0] != GL_FILL || polygonModes[1] != GL_FILL)
        return std::nullopt;
    View view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection.data());
    glGetIntegerv(GL_VIEWPORT, view.viewport.data());
    glGetIntegerv(GL_SUBPIXEL_BITS, &view.subpixelBits);
    view.culled = CulledOfCurrentContext();
    return TPixelCoverage(view);
}

bool TPixelCoverage::Project(const std::array<float, 3>& position, ScreenPoint& out) const
{
    const double x = position[0], y = position[1], z = position[2];
    const double largest = std::max({std::abs(x), std::abs(y), std::abs(z)});
    std::array<double, 4> clip{};
    std::array<double, 4> error{};
    for (std::size_t row = 0; row < 4; ++row) {
        clip[row] = combined_[row] * x + combined_[4 + row] * y + combined_[8 + row] * z + combined_[12 + row];
        error[row] = roundingPerUnit_[row] * largest + roundingConstant_[row];
    }
    const double w = clip[3];
    const double nearest = w - error[3];
    if (nearest <= 0 || clip[2] + w <= error[2] + error[3])
        return false;
    const double halfWidth = 0.5 * viewport_[2];
    const double halfHeight = 0.5 * viewport_[3];
    const double reciprocal = 1 / w;
    const double nx = clip[0] * reciprocal;
    const double ny = clip[1] * reciprocal;
    out.x = viewport_[0] + (nx + 1) * halfWidth;
    out.y = viewport_[1] + (ny + 1) * halfHeight;
    out.margin = std::max(halfWidth * (error[0] + std::abs(nx) * error[3]),
                          halfHeight * (error[1] + std::abs(ny) * error[3])) /
                     nearest +
                 snapMargin_;
    return true;
}

TPixelCoverage::PixelSpan TPixelCoverage::CentresWithin(double left, double right, double bottom, double top) const
{
    // Pixel i of the viewport has its centre at i + 0.5.
    return {std::max(std::ceil(left - 0.5), static_cast<double>(viewport_[0])),
            std::min(std::floor(right - 0.5), static_cast<double>(viewport_[0] + viewport_[2] - 1)),
            std::max(std::ceil(bottom - 0.5), static_cast<double>(viewport_[1])),
            std::min(std::floor(top - 0.5), static_cast<double>(viewport_[1] + viewport_[3] - 1))};
}

bool TPixelCoverage::CoversNothing(const ScreenPoint& a, const ScreenPoint& b, const ScreenPoint& c) const
{
    const double margin = std::max({a.margin, b.margin, c.margin});
    const PixelSpan span = CentresWithin(std::min({a.x, b.x, c.x}) - margin, std::max({a.x, b.x, c.x}) + margin,
                                         std::min({a.y, b.y, c.y}) - margin, std::max({a.y, b.y, c.y}) + margin);
    if (span.Empty())
        return true;
    // Twice the signed area, positive when a, b, c run anticlockwise, and
    // the most moving each point by `margin` can change it.
    const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    const double spread = std::abs(b.x - c.x) + std::abs(c.x - a.x) + std::abs(a.x - b.x) + std::abs(b.y - c.y) +
                          std::abs(c.y - a.y) + std::abs(a.y - b.y);
    const double areaUncertainty = margin * spread + 6 * margin * margin;
    if (std::abs(area) <= areaUncertainty)
        return false;  // too thin to know which way it faces
    if ((culled_ == Culled::Clockwise && area < 0) || (culled_ == Culled::Anticlockwise && area > 0))
        return true;
    // A small triangle whose box holds a few pixel centres may still miss
    // them all: each centre is tried against its three edges.
    if (span.Count() > kMostCentresTried)
        return false;
    const double orientation = area > 0 ? 1 : -1;
    const std::array<const ScreenPoint*, 3> points{&a, &b, &c};
    for (double row = span.firstRow; row <= span.lastRow; ++row)
        for (double column = span.firstColumn; column <= span.lastColumn; ++column) {
            const double px = column + 0.5;
            const double py = row + 0.5;
            bool outside = false;
            for (std::size_t k = 0; k < 3 && !outside; ++k) {
                const ScreenPoint& from = *points[k];
                const ScreenPoint& to = *points[(k + 1) % 3];
                // Which side of the edge the centre lies on, and the most
                // moving both ends by `margin` can change that.
                const double side = (to.x - from.x) * (py - from.y) - (to.y - from.y) * (px - from.x);
                const double uncertainty = margin * (std::abs(to.y - py) + std::abs(px - to.x) +
                                                     std::abs(py - from.y) + std::abs(px - from.x)) +
                                           2 * margin * margin;
                outside = orientation * side < -uncertainty;
            }
            if (!outside)
                return false;
        }
    return true;
}

std::size_t TPixelCoverage::KeepDrawn(const TSceneVertex* first, int squares, int verticesPerSquare,
                                      TSceneVertices& kept) const
{
    const std::size_t before = kept.size();
    // Next to each other in a row, a square's west corners are the east
    // corners of the one before; their projections are taken over.
    const TSceneVertex* previous = nullptr;
    std::array<ScreenPoint, 4> corners;
    bool previousJudged = false;
    for (int square = 0; square < squares; ++square) {
        const TSceneVertex* vertices = first + static_cast<std::ptrdiff_t>(square) * verticesPerSquare;
        const bool sharesWest = previous && previousJudged && vertices[0].position == previous[3].position &&
                                vertices[9].position == previous[6].position;
        ScreenPoint centre;
        bool judged = Project(vertices[1].position, centre);
        if (sharesWest) {
            corners[0] = corners[1];
            corners[3] = corners[2];
        } else {
            judged = judged && Project(vertices[0].position, corners[0]) && Project(vertices[9].position, corners[3]);
        }
        judged = judged && Project(vertices[3].position, corners[1]) && Project(vertices[6].position, corners[2]);
        previous = vertices;
        previousJudged = judged;
        if (!judged) {
            kept.insert(kept.end(), vertices, vertices + 12);
            continue;
        }
        double margin = centre.margin;
        double left = centre.x, right = centre.x, bottom = centre.y, top = centre.y;
        for (const ScreenPoint& corner : corners) {
            margin = std::max(margin, corner.margin);
            left = std::min(left, corner.x);
            right = std::max(right, corner.x);
            bottom = std::min(bottom, corner.y);
            top = std::max(top, corner.y);
        }
        if (CentresWithin(left - margin, right + margin, bottom - margin, top + margin).Empty())
            continue;
        for (std::size_t k = 0; k < 4; ++k)
            if (!CoversNothing(corners[k], centre, corners[(k + 1) % 4]))
                kept.insert(kept.end(), vertices + 3 * k, vertices + 3 * k + 3);
    }
    return kept.size() - before;
}

}  // namespace tarn
