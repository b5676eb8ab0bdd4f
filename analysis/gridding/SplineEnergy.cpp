#include "analysis/gridding/SplineEnergy.h"

#include <algorithm>
#include <span>

namespace tarn::gridding {

namespace {

// One node of an energy term: offset from the term's origin and coefficient.
struct Tap {
    int column;
    int row;
    double coefficient;
};

constexpr std::array<Tap, 3> kCurvatureX{{{-1, 0, 1}, {0, 0, -2}, {1, 0, 1}}};
constexpr std::array<Tap, 3> kCurvatureY{{{0, -1, 1}, {0, 0, -2}, {0, 1, 1}}};
constexpr std::array<Tap, 4> kTwist{{{0, 0, 1}, {1, 0, -1}, {0, 1, -1}, {1, 1, 1}}};
constexpr std::array<Tap, 2> kSlopeX{{{0, 0, -1}, {1, 0, 1}}};
constexpr std::array<Tap, 2> kSlopeY{{{0, 0, -1}, {0, 1, 1}}};
constexpr double kTwistWeight = 2;
// Tensions are kept below 1 so that the curvature keeps a part.
constexpr double kHighestTension = 0.999;

double TensionWeight(double tension)
{
    const double t = std::clamp(tension, 0.0, kHighestTension);
    return t / (1 - t);
}

}  // namespace

SplineWeights SplineWeights::FromTensions(double interiorTension, double boundaryTension)
{
    return {TensionWeight(interiorTension), TensionWeight(boundaryTension)};
}

// A term w * (sum of c_k z_k)^2 that includes the node p adds w * c_p * c_k
// to the row at every tap k; terms reaching past the grid do not exist.
Stencil EnergyStencil(int columns, int rows, SplineWeights weights, int column, int row)
{
    Stencil result{};
    const auto term = [&](double weight, int originColumn, int originRow, std::span<const Tap> taps) {
        double own = 0;
        for (const Tap& tap : taps) {
            const int c = originColumn + tap.column;
            const int r = originRow + tap.row;
            if (c < 0 || c >= columns || r < 0 || r >= rows)
                return;
            if (c == column && r == row)
                own = tap.coefficient;
        }
        for (const Tap& tap : taps)
            result[StencilSlot(originColumn + tap.column - column, originRow + tap.row - row)] +=
                weight * own * tap.coefficient;
    };
    for (int d = -1; d <= 1; ++d) {
        term(1, column + d, row, kCurvatureX);
        term(1, column, row + d, kCurvatureY);
    }
    for (int dc = -1; dc <= 0; ++dc)
        for (int dr = -1; dr <= 0; ++dr)
            term(kTwistWeight, column + dc, row + dr, kTwist);
    for (int d = -1; d <= 0; ++d) {
        term(weights.interior, column + d, row, kSlopeX);
        term(weights.interior, column, row + d, kSlopeY);
    }
    // The first difference across each edge, at every node of that edge.
    if (column <= 1)
        term(weights.boundary, 0, row, kSlopeX);
    if (column >= columns - 2)
        term(weights.boundary, columns - 2, row, kSlopeX);
    if (row <= 1)
        term(weights.boundary, column, 0, kSlopeY);
    if (row >= rows - 2)
        term(weights.boundary, column, rows - 2, kSlopeY);
    return result;
}

Stencil UniformStencil(SplineWeights weights)
{
    return EnergyStencil(5, 5, {weights.interior, 0}, 2, 2);
}

}  // namespace tarn::gridding
