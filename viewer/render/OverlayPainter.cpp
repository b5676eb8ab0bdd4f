#include "viewer/render/OverlayPainter.h"

#include "model/OverlayPixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tarn {

namespace {

class TPen {
public:
    TPen(TDibPicture& picture, TColorRef colour, int width)
        : picture_(picture), colour_{static_cast<std::uint8_t>(RedOf(colour)), static_cast<std::uint8_t>(GreenOf(colour)),
                                     static_cast<std::uint8_t>(BlueOf(colour))},
          width_(std::max(1, width))
    {
    }

    // A square dot of the pen's width centred on the point.
    void Dot(long x, long y)
    {
        const long from = -(width_ - 1) / 2;
        for (long dy = from; dy < from + width_; ++dy)
            for (long dx = from; dx < from + width_; ++dx) {
                const long px = x + dx, py = y + dy;
                if (px >= 0 && py >= 0 && px < picture_.width && py < picture_.height)
                    picture_.SetPixel(static_cast<int>(px), static_cast<int>(py), colour_);
            }
    }

    // Dots at every whole step along the longer axis, as far as the segment
    // comes near the picture: the steps elsewhere are skipped, so drawing
    // time is bounded by the picture however far the segment reaches.
    void Line(double x0, double y0, double x1, double y1)
    {
        const double dx = x1 - x0, dy = y1 - y0;
        const auto steps = static_cast<long long>(std::ceil(std::max(std::fabs(dx), std::fabs(dy))));
        const auto [first, last] = StepsNearPicture(x0, y0, dx, dy, steps);
        for (long long i = first; i <= last; ++i) {
            const double t = steps > 0 ? static_cast<double>(i) / static_cast<double>(steps) : 0;
            Dot(std::lround(x0 + dx * t), std::lround(y0 + dy * t));
        }
    }

private:
    // The first and last step whose dot can touch the picture (none when
    // the first is past the last): the segment is clipped to the picture
    // widened by a pen width, and a step is added at each end for rounding.
    std::pair<long long, long long> StepsNearPicture(double x0, double y0, double dx, double dy, long long steps) const
    {
        const double margin = width_ + 1;
        double enter = 0, leave = 1;
        // Keeps the part of the segment where p * t <= q.
        const auto keep = [&](double p, double q) {
            if (p == 0)
                return q >= 0;
            const double t = q / p;
            if (p < 0)
                enter = std::max(enter, t);
            else
                leave = std::min(leave, t);
            return enter <= leave;
        };
        if (!(keep(-dx, x0 + margin) && keep(dx, picture_.width - 1 + margin - x0) && keep(-dy, y0 + margin) &&
              keep(dy, picture_.height - 1 + margin - y0)))
            return {1, 0};
        const auto first = static_cast<long long>(std::floor(enter * static_cast<double>(steps))) - 1;
        const auto last = static_cast<long long>(std::ceil(leave * static_cast<double>(steps))) + 1;
        return {std::max(0LL, first), std::min(steps, last)};
    }

    TDibPicture& picture_;
    TDibPicture::Rgb colour_;
    int width_;
};

}  // namespace

void PaintOverlayObjects(TDibPicture& picture, const std::vector<std::unique_ptr<TGraphObject>>& objects,
                         double scaleX, double scaleY)
{
    for (const auto& object : objects) {
        TPen pen(picture, object->PenColour, object->PenWidth);
        std::vector<std::array<double, 2>> points;
        for (const auto& p : object->Points)
            points.push_back({static_cast<double>(GridToPixel(p.X.toDouble(), scaleX)),
                              static_cast<double>(GridToPixel(p.Y.toDouble(), scaleY))});
        switch (object->Kind()) {
        case GraphKind::Line:
            if (points.size() == 2)
                pen.Line(points[0][0], points[0][1], points[1][0], points[1][1]);
            break;
        case GraphKind::Ellipse:
            if (points.size() == 2) {
                const double cx = (points[0][0] + points[1][0]) / 2, cy = (points[0][1] + points[1][1]) / 2;
                const double rx = std::fabs(points[1][0] - points[0][0]) / 2;
                const double ry = std::fabs(points[1][1] - points[0][1]) / 2;
                constexpr int kSegments = 72;
                for (int i = 0; i < kSegments; ++i) {
                    const double a0 = 2 * std::numbers::pi * i / kSegments;
                    const double a1 = 2 * std::numbers::pi * (i + 1) / kSegments;
                    pen.Line(cx + rx * std::cos(a0), cy + ry * std::sin(a0), cx + rx * std::cos(a1),
                             cy + ry * std::sin(a1));
                }
            }
            break;
        case GraphKind::Pen:
            for (std::size_t i = 1; i < points.size(); ++i)
                pen.Line(points[i - 1][0], points[i - 1][1], points[i][0], points[i][1]);
            if (points.size() == 1)
                pen.Dot(std::lround(points[0][0]), std::lround(points[0][1]));
            break;
        case GraphKind::Spot:
            if (!points.empty()) {
                const double x = points[0][0], y = points[0][1];
                pen.Line(x - 5 + 1, y, x + 5, y);
                pen.Line(x, y - 5 + 1, x, y + 5);
            }
            break;
        }
    }
}

}  // namespace tarn
