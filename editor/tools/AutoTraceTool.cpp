#include "editor/tools/AutoTraceTool.h"

#include "controls/Messages.h"
#include "editor/BusyCursor.h"
#include "editor/DefNet.h"
#include "editor/EditorMessages.h"
#include "editor/TracePicture.h"
#include "model/edits/AutoTrace.h"
#include "model/edits/ContourTrace.h"

#include <QPainter>

namespace tarn {

TAutoTraceTool::TAutoTraceTool(TContourHeightQuestion askHeight) : askHeight_(std::move(askHeight)) {}

void TAutoTraceTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    if (!net.HasGrid())
        return;
    if (net.BackgroundPicture.isNull()) {
        ShowMessage(msg::NoBackgroundToTrace, {}, MessageKind::Information);
        return;
    }
    net.ClearUndo();
    TAutoTraceResult found;
    {
        const BusyCursor busy;
        const TRgbPicture background = ToRgbPicture(net.BackgroundPicture);
        const QSize size = net.MapPicture.Size();
        const TStretchedPicture picture(background, size.width(), size.height());
        found = FollowContour(picture, {point.x(), point.y()}, net.TraceTolerance, [&net](TPixel pixel) {
            const auto hit = net.NodeAt(QPoint(pixel.x, pixel.y));
            return hit.number < 0 ? std::nullopt : std::optional<TGridNode>({hit.column, hit.row});
        });
    }
    if (found.visited.empty())
        return;
    marks_.clear();
    marks_.reserve(static_cast<int>(found.visited.size()));
    for (const TPixel& pixel : found.visited)
        marks_ << QPoint(pixel.x, pixel.y);
    markColour_ = QColor::fromRgb(static_cast<QRgb>(found.markColour));
    net.update();

    if (const std::optional<std::int16_t> height = askHeight_(net, false)) {
        if (const auto nodes = WriteFoundTrace(net, net.UndoList(), found.nodes, *height, net.TraceDensity))
            net.EditDone({nodes->left + 1, nodes->top + 1, nodes->right + 1, nodes->bottom + 1});
    }
    marks_.clear();
    net.update();
}

void TAutoTraceTool::PaintMarks(QPainter& painter) const
{
    if (marks_.isEmpty())
        return;
    painter.save();
    painter.setPen(QPen(markColour_, 1));
    painter.drawPoints(marks_);
    painter.restore();
}

}  // namespace tarn
