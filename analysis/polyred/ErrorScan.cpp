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

// Where one edge p -> q of a triangle cuts the rows: for row y, the floor of
// dx * (y - p.y) / |dy|, stepped from row to row without dividing. The
// columns on the edge's inner side are those up to p.x plus that (edges
// running down the rows) or from p.x minus it (edges running up).
class TEdgeCut {
public:
    TEdgeCut(TGridXY p, TGridXY q, int firstRow) : from_(p.x), dy_(q.y - p.y)
    {
        const int dx = q.x - p.x;
        divisor_ = dy_ < 0 ? -dy_ : dy_;
        if (divisor_ == 0)
            return;
        Split(static_cast<std::int64_t>(dx) * (firstRow - p.y), quotient_, remainder_);
        Split(dx, stepQuotient_, stepRemainder_);
    }

    // Narrows the row's columns [first, last] to the edge's inner side.
    void Clip(int& first, int& last) const
    {
        if (dy_ > 0)
            last = std::min(last, from_ + quotient_);
        else if (dy_ < 0)
            first = std::max(first, from_ - quotient_);
    }

    void NextRow()
    {
        quotient_ += stepQuotient_;
        remainder_ += stepRemainder_;
        if (remainder_ >= divisor_) {
            remainder_ -= divisor_;
            ++quotient_;
        }
    }

private:
    // numerator = quotient * divisor + remainder with 0 <= remainder < divisor.
    void Split(std::int64_t numerator, int& quotient, int& remainder) const
    {
        auto whole = numerator / divisor_;
        auto left = numerator % divisor_;
        if (left < 0) {
            --whole;
            left += divisor_;
        }
        quotient = static_cast<int>(whole);
        remainder = static_cast<int>(left);
    }

    int from_;
    int dy_;
    int divisor_ = 0;
    int quotient_ = 0, remainder_ = 0;
    int stepQuotient_ = 0, stepRemainder_ = 0;
};

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
    TEdgeCut edges[] = {{a.at, b.at, top}, {b.at, c.at, top}, {c.at, a.at, top}};
    for (int y = top; y <= bottom; ++y) {
        int first = 0;
        int last = samples.width - 1;
        for (auto& edge : edges) {
            edge.Clip(first, last);
            edge.NextRow();
        }
        const float* row = samples.values.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(samples.width);
        const double base = a.height - slopeX * a.at.x + slopeY * (y - a.at.y);
        for (int x = first; x <= last; ++x) {
            const double error = std::fabs(static_cast<double>(row[x]) - (base + slopeX * x));
            if (error > best.error)
                best = {{x, y}, error};
        }
    }
    if (best.error < kExactFit)
        best.error = 0;
    return best;
}

}  // namespace tarn::polyred
