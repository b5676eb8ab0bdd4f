#pragma once

#include "viewer/render/ViewMatrix.h"

#include <array>

namespace tarn {

// Where scene points fall on the screen, worked out on the CPU with the
// matrices OpenGL would use: the square-size test of surface detail asks
// it once per square instead of drawing the square in feedback mode.
class TScreenProjection {
public:
    using Matrix = TViewMatrix;
    using Point = std::array<double, 3>;

    void Set(const Matrix& modelView, const Matrix& projection, int width, int height);

    // The size on screen of a quad (corners in drawing order) as feedback
    // mode would measure it: the triangles (1, 2, 3) and (2, 3, 4) clipped
    // to the view, then 1.415 times the larger side of the box around what
    // is left, in pixels. 0 when nothing of the quad is in view.
    double QuadSize(const std::array<Point, 4>& corners) const;

private:
    Matrix combined_{};
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tarn
