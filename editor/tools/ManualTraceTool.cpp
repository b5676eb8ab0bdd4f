#include "editor/tools/ManualTraceTool.h"

#include "editor/DefNet.h"
#include "model/edits/ContourTrace.h"

#include <QPainter>

namespace tarn {

TManualTraceTool::TManualTraceTool(TContourHeightQuestion askHeight) : askHeight_(std::move(askHeight)) {}

void TManualTraceTool::MouseDown(TDefineNet& net, QPoint point, Qt::MouseButton button)
{
    if (swallowPress_) {
        swallowPress_ = false;
        return;
    }
    if (button == Qt::LeftButton)
        AddPoint(net, point);
    else if (inProgress_)
        Finish(net);
}

void TManualTraceTool::MouseMove(TDefineNet& net, QPoint point)
{
    if (inProgress_)
        AddPoint(net, point);
}

void TManualTraceTool::DoubleClick(TDefineNet& net, QPoint)
{
    if (!inProgress_)
        return;
    swallowPress_ = true;
    Finish(net);
}

void TManualTraceTool::Leave(TDefineNet& net)
{
    swallowPress_ = false;
    if (inProgress_)
        Finish(net);
}

void TManualTraceTool::AddPoint(TDefineNet& net, QPoint point)
{
    const auto hit = net.NodeAt(point);
    if (hit.number < 0)
        return;
    const TGridNode node{hit.column, hit.row};
    if (inProgress_ && node == nodes_.back())
        return;
    if (!inProgress_) {
        inProgress_ = true;
        nodes_.clear();
        line_.clear();
        net.ClearUndo();
    }
    nodes_.push_back(node);
    const auto geometry = net.Geometry();
    line_ << QPoint(geometry.Pixel(node.column), geometry.Pixel(node.row));
    net.update();
}

void TManualTraceTool::Finish(TDefineNet& net)
{
    inProgress_ = false;
    if (const std::optional<std::int16_t> height = askHeight_(net, true))
        WriteTrace(net, *height);
    nodes_.clear();
    line_.clear();
    net.update();
}

void TManualTraceTool::WriteTrace(TDefineNet& net, std::int16_t height)
{
    if (const auto nodes = WriteManualTrace(net, net.UndoList(), nodes_, height, net.TraceDensity))
        net.EditDone({nodes->left + 1, nodes->top + 1, nodes->right + 1, nodes->bottom + 1});
}

void TManualTraceTool::PaintMarks(QPainter& painter) const
{
    if (line_.size() < 2)
        return;
    painter.save();
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.drawPolyline(line_);
    painter.restore();
}

}  // namespace tarn
