#pragma once

#include "viewer/render/SceneTypes.h"
#include "viewer/render/ViewMatrix.h"

#include <array>
#include <optional>

namespace tarn {

// Which triangles of a surface can change the picture from the current
// view. Without multisampling, a filled triangle colours exactly the pixels
// whose centres it covers; one whose box on screen holds no pixel centre of
// the viewport, or that faces away while such faces are culled, leaves
// colour and depth as they were. Leaving those out spares the renderer
// most of a distant surface, whose squares are smaller than a pixel.
//
// OpenGL transforms in single precision and snaps window positions to a
// grid of subpixels; every judgement allows for both, so a triangle is left
// out only when no such rounding could make it draw. Squares that reach the
// near plane are always kept (clipping decides for them).
class TPixelCoverage {
public:
    using Matrix = TViewMatrix;

    // Which faces OpenGL culls, seen in window coordinates.
    enum class Culled { None, Clockwise, Anticlockwise };

    struct View {
        Matrix modelView{};
        Matrix projection{};
        std::array<int, 4> viewport{};  // x, y, width, height
        Culled culled = Culled::None;
        int subpixelBits = 8;  // window positions are snapped to 1/2^bits of a pixel
    };

    explicit TPixelCoverage(const View& view);

    // The view of the current context; nothing when a triangle drawn in it
    // may colour pixels whose centres it misses (multisampling, polygon
    // smoothing, polygons drawn as lines or points) or when what is drawn
    // is reported rather than shown (feedback, selection).
    static std::optional<TPixelCoverage> OfCurrentContext();

    // Appends to `kept` the triangles, of `squares` squares from `first`,
    // that may draw. A square takes `verticesPerSquare` vertices, the first
    // twelve of which are its four triangles around its centre: triangle k
    // runs from corner k through the centre to corner k + 1, which is where
    // triangle k + 1 begins. Returns the number of vertices appended.
    std::size_t KeepDrawn(const TSceneVertex* first, int squares, int verticesPerSquare, TSceneVertices& kept) const;

private:
    // A point in window coordinates with the most its renderer-computed
    // position may differ, in pixels, from this one.
    struct ScreenPoint {
        double x = 0;
        double y = 0;
        double margin = 0;
    };
    // False when the point is not safely in front of the near plane.
    bool Project(const std::array<float, 3>& position, ScreenPoint& out) const;
    // The viewport's pixels whose centres lie in a box.
    struct PixelSpan {
        double firstColumn = 0;
        double lastColumn = -1;
        double firstRow = 0;
        double lastRow = -1;
        bool Empty() const { return firstColumn > lastColumn || firstRow > lastRow; }
        double Count() const { return Empty() ? 0 : (lastColumn - firstColumn + 1) * (lastRow - firstRow + 1); }
    };
    PixelSpan CentresWithin(double left, double right, double bottom, double top) const;
    bool CoversNothing(const ScreenPoint& a, const ScreenPoint& b, const ScreenPoint& c) const;

    Matrix combined_{};
    double snapMargin_ = 0;
    // Bounds of the rounding of each clip coordinate (x, y, z, w): per unit
    // of the point's largest coordinate, and for the translation.
    std::array<double, 4> roundingPerUnit_{};
    std::array<double, 4> roundingConstant_{};
    std::array<int, 4> viewport_{};
    Culled culled_ = Culled::None;
};

}  // namespace tarn
