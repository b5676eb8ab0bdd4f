#include "model/edits/ContourTrace.h"

#include "model/Net.h"
#include "model/edits/UndoList.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarn {

namespace {

constexpr int kMaxDensity = 99;

// round(part × k / whole), halves to even.
int Proportion(int part, int k, int whole)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(part) * k / whole));
}

// The box around the points, with the squares around it recomputed.
std::optional<TGridRange> Finish(TNet& net, std::span<const TGridNode> points)
{
    if (points.empty())
        return std::nullopt;
    TGridRange box{points[0].column, points[0].row, points[0].column, points[0].row};
    for (const TGridNode& point : points) {
        box.left = std::min(box.left, point.column);
        box.top = std::min(box.top, point.row);
        box.right = std::max(box.right, point.column);
        box.bottom = std::max(box.bottom, point.row);
    }
    UpdateSquaresAround(net, box);
    return box;
}

bool StepApart(const std::optional<TGridNode>& a, TGridNode b)
{
    return a && std::abs(a->column - b.column) + std::abs(a->row - b.row) == 1;
}

}  // namespace

TContourWriter::TContourWriter(TNet& net, TUndoList& undo, std::int16_t height, int density)
    : net_(net), undo_(undo), height_(height), density_(std::clamp(density, 1, kMaxDensity))
{
}

void TContourWriter::SetNode(TGridNode node)
{
    TGridPoint* point = NodeAt(net_, node.column, node.row);
    if (!point || point->Height == height_)
        return;
    if (++counter_ % density_ != 0)
        return;
    undo_.AddHeight(node.column, node.row, point->Height);
    point->Height = height_;
}

void TContourWriter::GridLine(TGridNode from, TGridNode to)
{
    if (from == to)
        return;
    const int dx = std::abs(to.column - from.column);
    const int dy = std::abs(to.row - from.row);
    if (dy < dx) {
        const TGridNode start = from.column < to.column ? from : to;
        const TGridNode end = from.column < to.column ? to : from;
        const int direction = end.row >= start.row ? 1 : -1;
        for (int k = 0; k <= dx; ++k)
            SetNode({start.column + k, start.row + direction * Proportion(dy, k, dx)});
    } else {
        const TGridNode start = from.row < to.row ? from : to;
        const TGridNode end = from.row < to.row ? to : from;
        const int direction = end.column >= start.column ? 1 : -1;
        for (int k = 0; k <= dy; ++k)
            SetNode({start.column + direction * Proportion(dx, k, dy), start.row + k});
    }
    SetNode(to);
}

std::optional<TGridRange> WriteManualTrace(TNet& net, TUndoList& undo, std::span<const TGridNode> points,
                                           std::int16_t height, int density)
{
    TContourWriter writer(net, undo, height, density);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            writer.GridLine(points[i - 1], points[i]);
        writer.SetNode(points[i]);
    }
    return Finish(net, points);
}

std::optional<TGridRange> WriteFoundTrace(TNet& net, TUndoList& undo, std::span<const TGridNode> points,
                                          std::int16_t height, int density)
{
    TContourWriter writer(net, undo, height, density);
    std::optional<TGridNode> previous;
    std::optional<TGridNode> beforePrevious;
    for (const TGridNode& point : points) {
        if (!StepApart(previous, point) && !StepApart(beforePrevious, point)) {
            writer.SetNode(point);
            beforePrevious = previous;
            previous = point;
        }
        writer.SetNode(point);
    }
    return Finish(net, points);
}

}  // namespace tarn
