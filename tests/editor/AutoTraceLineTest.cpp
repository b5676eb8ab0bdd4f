#include "editor/DefNet.h"
#include "editor/TracePicture.h"
#include "model/edits/AutoTrace.h"

#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace tarn {
namespace {

const TNodeLookup kPixelNodes = [](TPixel pixel) { return std::optional<TGridNode>({pixel.x, pixel.y}); };

bool Reaches(const std::vector<TPixel>& pixels, QPoint end)
{
    return std::any_of(pixels.begin(), pixels.end(),
                       [end](TPixel p) { return std::abs(p.x - end.x()) <= 2 && std::abs(p.y - end.y()) <= 2; });
}

// A scanned contour: a dark curve drawn with antialiasing, so its edges
// fade through greys into the white paper.
TEST(AutoTraceLine, AntialiasedCurveIsFollowedEndToEndAtTheDefaultTolerance)
{
    const QPoint start(20, 250);
    const QPoint end(380, 40);
    QImage scan(400, 300, QImage::Format_RGB32);
    scan.fill(Qt::white);
    {
        QPainter painter(&scan);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(90, 60, 30), 2));
        QPainterPath curve(start);
        curve.cubicTo(QPointF(120, 20), QPointF(260, 290), end);
        painter.drawPath(curve);
    }
    const TRgbPicture picture = ToRgbPicture(scan);
    const TStretchedPicture stretched(picture, 400, 300);
    // Begin at the darkest pixel near the start, as a user clicks on the ink.
    QPoint seed = start;
    for (int y = start.y() - 3; y <= start.y() + 3; ++y)
        for (int x = start.x(); x <= start.x() + 3; ++x)
            if (qGray(scan.pixel(x, y)) < qGray(scan.pixel(seed)))
                seed = QPoint(x, y);

    const int tolerance = TDefineNet().TraceTolerance;
    const TAutoTraceResult result = FollowContour(stretched, {seed.x(), seed.y()}, tolerance, kPixelNodes);
    EXPECT_FALSE(result.stoppedAtLimit);
    EXPECT_TRUE(Reaches(result.visited, start));
    EXPECT_TRUE(Reaches(result.visited, end));
    // Only the line: nothing of the white paper around it.
    for (const TPixel& pixel : result.visited)
        ASSERT_LT(qGray(scan.pixel(pixel.x, pixel.y)), 200) << pixel.x << "," << pixel.y;
}

}  // namespace
}  // namespace tarn
