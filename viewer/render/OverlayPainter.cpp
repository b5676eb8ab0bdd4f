#include "viewer/render/OverlayPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

    void Line(double x0, double y0, double x1, double y1)
    {
        const double steps = std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)));
        // Guards against absurd coordinates in a damaged file.
        const double count = std::min(steps, 1.0e6);
        for (double i = 0; i <= count; ++i) {
            const double t = count > 0 ? i / count : 0;
            Dot(std::lround(x0 + (x1 - x0) * t), std::lround(y0 + (y1 - y0) * t));
        }
    }

private:
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
            points.push_back({std::nearbyint(p.X.toDouble() * scaleX), std::nearbyint(p.Y.toDouble() * scaleY)});
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
