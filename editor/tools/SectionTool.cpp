#include "editor/tools/SectionTool.h"

#include "editor/DefNet.h"
#include "editor/Notifications.h"
#include "editor/tools/ObjectGesture.h"
#include "model/OverlayPixels.h"
#include "model/SectionProfile.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace tarn {

namespace {

// The height the section shows for the node nearest to a pixel: none where
// there is no node or the node holds no height.
std::optional<int> NodeHeight(const TDefineNet& net, TPixel pixel)
{
    const auto node = net.NodeAt(QPoint(pixel.x, pixel.y));
    const TGridPoint* point = node.number < 0 ? nullptr : net.GetPoint(node.number);
    if (!point || point->Height <= kNullHeight)
        return std::nullopt;
    return point->Height;
}

}  // namespace

void TSectionTool::MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    scale_ = net.Scale;
    if (finished_) {
        // The press that comes with the double click which ended the last
        // line starts no new one.
        if (std::exchange(skipPress_, false))
            return;
        StartLine(net, point);
    } else {
        segmentStart_ = segmentEnd_;
        segmentEnd_ = point;
    }
    dragging_ = true;
    net.update();
}

void TSectionTool::StartLine(TDefineNet& net, QPoint point)
{
    EraseMarks(net);
    finished_ = false;
    distance_ = 0;
    net.Notify(kSectionHeightAxis, std::llround(std::nearbyint(net.BandMax * 1.1)), net.BandMin);
    segmentStart_ = segmentEnd_ = point;
    AddVertex(net, point);
    ProfileSegment(net);
}

void TSectionTool::MouseMove(TDefineNet& net, QPoint point)
{
    if (!dragging_)
        return;
    segmentEnd_ = point;
    net.update();
}

void TSectionTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    if (!std::exchange(dragging_, false))
        return;
    segmentEnd_ = point;
    AddVertex(net, segmentEnd_);
    ProfileSegment(net);
    net.update();
}

void TSectionTool::DoubleClick(TDefineNet&, QPoint)
{
    skipPress_ = true;
    finished_ = true;
}

void TSectionTool::AddVertex(TDefineNet& net, QPoint point)
{
    points_.emplace_back(point.x() / net.Scale, point.y() / net.Scale);
}

void TSectionTool::ProfileSegment(TDefineNet& net)
{
    const TSectionMeasure measure{net.Scale, static_cast<double>(net.MapHeader.Spacing), net.SectionRatio};
    const TSegmentProfile profile =
        tarn::ProfileSegment(measure, ToPixel(segmentStart_), ToPixel(segmentEnd_), distance_,
                             [&net](TPixel pixel) { return NodeHeight(net, pixel); });
    if (profile.length == 0)
        return;
    net.Notify(kSectionDistanceAxis, profile.axisMaximumTenths);
    for (const TProfileSample& sample : profile.samples)
        net.Notify(kSectionPoint, sample.height, sample.distanceTenths);
    distance_ += profile.length;
}

void TSectionTool::EraseMarks(TDefineNet& net)
{
    if (points_.empty())
        return;
    finished_ = true;
    dragging_ = false;
    points_.clear();
    net.update();
}

void TSectionTool::PaintMarks(QPainter& painter) const
{
    if (points_.empty())
        return;
    QPolygon line;
    for (const QPointF& vertex : points_)
        line.append(QPoint(RoundToPixel(vertex.x() * scale_), RoundToPixel(vertex.y() * scale_)));
    PaintRubber(painter, [&](QPainter& p) {
        p.drawPolyline(line);
        if (dragging_)
            p.drawLine(segmentStart_, segmentEnd_);
    });
}

}  // namespace tarn
