#pragma once

#include <array>
#include <cstddef>

namespace tarn::gridding {

// The weights of the spline's energy on a grid of unit steps:
//   sum of squared second differences (curvature, with the twist counted
//   twice as for a thin plate)
//   + interior * sum of squared first differences (tension)
//   + boundary * sum of squared first differences across the edges.
// A tension t in 0..1 gives the weight t / (1 - t); t = 0 is the pure
// minimum-curvature surface, t near 1 a stretched membrane. At the edges a
// boundary tension of 0 leaves the surface free (zero curvature across the
// edge) and one near 1 holds its slope across the edge near zero.
struct SplineWeights {
    double interior = 0;
    double boundary = 0;

    static SplineWeights FromTensions(double interiorTension, double boundaryTension);
    // The same energy on a grid whose steps are `stride` times as long,
    // scaled so that its curvature weight stays 1.
    SplineWeights forStride(int stride) const
    {
        return {interior * stride * stride, boundary * stride};
    }
};

// A node's row of a grid operator: the coefficients of the 5 x 5 nodes
// around it, row by row, the node itself in the middle.
using Stencil = std::array<double, 25>;
inline constexpr std::size_t kStencilCentre = 12;
inline constexpr std::size_t StencilSlot(int columnOffset, int rowOffset)
{
    return static_cast<std::size_t>((rowOffset + 2) * 5 + columnOffset + 2);
}

// The sum over a stencil's nodes other than the centre of coefficient
// times height, for a node at least two steps from every edge of a grid
// whose rows are `step` apart.
inline double OffCentreProduct(const Stencil& stencil, const double* centre, std::ptrdiff_t step)
{
    const double* z = centre - 2 * step - 2;
    double sum = -stencil[kStencilCentre] * centre[0];
    for (std::size_t r = 0; r < 5; ++r, z += step)
        sum += stencil[r * 5] * z[0] + stencil[r * 5 + 1] * z[1] + stencil[r * 5 + 2] * z[2] +
               stencil[r * 5 + 3] * z[3] + stencil[r * 5 + 4] * z[4];
    return sum;
}

// Half the gradient of the energy with respect to one node's height, as a
// row over the nodes around it, for a node of a grid of columns x rows.
// Away from the edges every node has the same row (UniformStencil).
Stencil EnergyStencil(int columns, int rows, SplineWeights weights, int column, int row);
Stencil UniformStencil(SplineWeights weights);

}  // namespace tarn::gridding
