#include "model/edits/ContourTrace.h"

#include "model/Net.h"

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

std::optional<TTraceBounds> BoundsOf(std::span<const TGridNode> points)
{
    if (points.empty())
        return std::nullopt;
    TTraceBounds box{points[0].column, points[0].row, points[0].column, points[0].row};
    for (const TGridNode& point : points) {
        box.left = std::min(box.left, point.column);
        box.right = std::max(box.right, point.column);
        box.top = std::min(box.top, point.row);
        box.bottom = std::max(box.bottom, point.row);
    }
    return box;
}

bool StepApart(const std::optional<TGridNode>& a, TGridNode b)
{
    return a && std::abs(a->column - b.column) + std::abs(a->row - b.row) == 1;
}

}  // namespace

TContourWriter::TContourWriter(TNet& net, std::int16_t height, int density, TOldHeightSink keepOld)
    : net_(net), height_(height), density_(std::clamp(density, 1, kMaxDensity)), keepOld_(std::move(keepOld))
{
}

void TContourWriter::SetNode(TGridNode node)
{
    const int columns = net_.MapHeader.Columns;
    if (node.column < 0 || node.row < 0 || node.column >= columns || node.row >= net_.MapHeader.Rows)
        return;
    TGridPoint* point = net_.GetPoint(node.column + node.row * columns + 1);
    if (!point || point->Height == height_)
        return;
    if (++counter_ % density_ != 0)
        return;
    keepOld_(node, point->Height);
    point->Height = height_;
    UpdateSquaresAround(node);
}

void TContourWriter::UpdateSquaresAround(TGridNode node)
{
    const int columns = net_.MapHeader.Columns;
    const int rows = net_.MapHeader.Rows;
    // The squares (1-based column i, row j) with this node as a corner.
    for (int j = std::max(node.row, 1); j <= std::min(node.row + 1, rows - 1); ++j)
        for (int i = std::max(node.column, 1); i <= std::min(node.column + 1, columns - 1); ++i)
            if (TGridSquare* square = net_.GetSquare(i + (columns - 1) * (j - 1)))
                net_.UpdateSquare(*square);
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

std::optional<TTraceBounds> WriteManualTrace(TNet& net, std::span<const TGridNode> points, std::int16_t height,
                                             int density, const TOldHeightSink& keepOld)
{
    TContourWriter writer(net, height, density, keepOld);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            writer.GridLine(points[i - 1], points[i]);
        writer.SetNode(points[i]);
    }
    return BoundsOf(points);
}

std::optional<TTraceBounds> WriteFoundTrace(TNet& net, std::span<const TGridNode> points, std::int16_t height,
                                            int density, const TOldHeightSink& keepOld)
{
    TContourWriter writer(net, height, density, keepOld);
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
    return BoundsOf(points);
}

}  // namespace tarn
