#include "analysis/gridding/LineSlope.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarn::gridding {

namespace {

// The line's direction is taken from the same-height nodes within this many
// steps.
constexpr int kLineRadius = 2;
// How far the look along the normal reaches, and its step.
constexpr double kReach = 64;
constexpr double kLookStep = 0.5;
// Same-height nodes nearer than this along the normal belong to the node's
// own (possibly two nodes thick) line.
constexpr double kOwnLineWidth = 1.5;
// A node whose own look tells nothing borrows from a node of its line within
// this many steps.
constexpr int kBorrowRadius = 8;
constexpr double kBorrowAlignment = 0.7;

struct Direction {
    double column;
    double row;
};

// What one side of the line shows: the distance along the normal to the
// first node of another height and how much higher that node is, and the
// same for the next line beyond it when there is one.
struct Crossing {
    double distance;
    double rise;
    double nextDistance = 0;
    double nextRise = 0;
};

// The normal of the line through the node: across the principal direction
// of the same-height nodes around it.
Direction LineNormal(const KnownPlaces& places, const KnownNode& node)
{
    double sumColumn = 0, sumRow = 0, count = 0;
    double scc = 0, srr = 0, scr = 0;
    for (int dr = -kLineRadius; dr <= kLineRadius; ++dr)
        for (int dc = -kLineRadius; dc <= kLineRadius; ++dc) {
            const std::optional<double> height = places.heightAt(node.column + dc, node.row + dr);
            if (!height || *height != node.height)
                continue;
            sumColumn += dc;
            sumRow += dr;
            scc += dc * dc;
            srr += dr * dr;
            scr += dc * dr;
            ++count;
        }
    const double meanColumn = sumColumn / count;
    const double meanRow = sumRow / count;
    const double cc = scc - count * meanColumn * meanColumn;
    const double rr = srr - count * meanRow * meanRow;
    const double cr = scr - count * meanColumn * meanRow;
    const double along = 0.5 * std::atan2(2 * cr, cc - rr);
    return {-std::sin(along), std::cos(along)};
}

// The first node of a height other than `height` that the look from `node`
// along `normal` meets beyond `from` (a distance along the normal), with
// its distance; nothing when the look leaves the area, reaches too far, or
// first meets `stop` farther out than the node's own line.
std::optional<Crossing> FirstOther(const KnownPlaces& places, const KnownNode& node, Direction normal, double from,
                                   double height, double stop)
{
    int lastColumn = -1;
    int lastRow = -1;
    for (double t = std::max(1.0, from); t <= kReach; t += kLookStep) {
        const double column = node.column + t * normal.column;
        const double row = node.row + t * normal.row;
        if (column < 0 || row < 0 || column > places.columns() - 1 || row > places.rows() - 1)
            return std::nullopt;
        const int westColumn = static_cast<int>(std::floor(column));
        const int northRow = static_cast<int>(std::floor(row));
        if (westColumn == lastColumn && northRow == lastRow)
            continue;
        lastColumn = westColumn;
        lastRow = northRow;
        std::optional<Crossing> nearest;
        for (int r = northRow; r <= northRow + 1; ++r)
            for (int c = westColumn; c <= westColumn + 1; ++c) {
                const std::optional<double> known = places.heightAt(c, r);
                if (!known)
                    continue;
                const double distance = (c - node.column) * normal.column + (r - node.row) * normal.row;
                if (*known == stop && distance > kOwnLineWidth)
                    return std::nullopt;
                if (*known != height && *known != stop && distance > from + kLookStep &&
                    (!nearest || distance < nearest->distance))
                    nearest = Crossing{distance, *known - node.height};
            }
        if (nearest)
            return nearest;
    }
    return std::nullopt;
}

// The look across the line from the node along `normal`: its first
// crossing.
std::optional<Crossing> LookAlong(const KnownPlaces& places, const KnownNode& node, Direction normal)
{
    return FirstOther(places, node, normal, 0, node.height, node.height);
}

// Adds to the first crossing of a look the next line beyond it, when that
// goes on the same way.
Crossing WithNextLine(const KnownPlaces& places, const KnownNode& node, Direction normal, Crossing first)
{
    const std::optional<Crossing> next =
        FirstOther(places, node, normal, first.distance, node.height + first.rise, node.height);
    if (next && (next->rise > first.rise) == (first.rise > 0)) {
        first.nextDistance = next->distance;
        first.nextRise = next->rise;
    }
    return first;
}

// The slope at 0 towards one side only: of the parabola through the node and
// the next two lines when both are seen (exact on a round hill or hollow),
// kept between level and twice the even slope to the first line; else that
// even slope.
double OneSidedSlope(const Crossing& side)
{
    const double even = side.rise / side.distance;
    if (side.nextDistance <= 0)
        return even;
    const double d1 = side.distance;
    const double d2 = side.nextDistance;
    const double parabola = (side.rise * d2 * d2 - side.nextRise * d1 * d1) / (d1 * d2 * (d2 - d1));
    return even > 0 ? std::clamp(parabola, 0.0, 2 * even) : std::clamp(parabola, 2 * even, 0.0);
}

}  // namespace

NodeSlope SlopeFromAlongLine(const KnownPlaces& places, const KnownNode& node, std::span<const NodeSlope> slopes)
{
    const Direction normal = LineNormal(places, node);
    const NodeSlope* nearest = nullptr;
    int nearestDistance = 0;
    for (int dr = -kBorrowRadius; dr <= kBorrowRadius; ++dr)
        for (int dc = -kBorrowRadius; dc <= kBorrowRadius; ++dc) {
            const std::optional<std::size_t> k = places.indexAt(node.column + dc, node.row + dr);
            if (!k || places.known()[*k].height != node.height || !slopes[*k].known)
                continue;
            // Along the line, not across to another stretch of the same height.
            const double across = std::abs(dc * normal.column + dr * normal.row);
            const double along = std::abs(dc * normal.row - dr * normal.column);
            if (across > std::max(kOwnLineWidth, along / 4))
                continue;
            // Its slope must run across this node's line too, or its side
            // cannot be told.
            const NodeSlope& slope = slopes[*k];
            const double steepness = std::hypot(slope.east, slope.south);
            if (std::abs(slope.east * normal.column + slope.south * normal.row) < kBorrowAlignment * steepness)
                continue;
            const int distance = dc * dc + dr * dr;
            if (!nearest || distance < nearestDistance) {
                nearest = &slopes[*k];
                nearestDistance = distance;
            }
        }
    if (!nearest)
        return {};
    const double along = nearest->east * normal.column + nearest->south * normal.row;
    const double slope = std::copysign(std::hypot(nearest->east, nearest->south), along);
    return {slope * normal.column, slope * normal.row, true};
}

NodeSlope SlopeAcrossLine(const KnownPlaces& places, const KnownNode& node)
{
    const Direction normal = LineNormal(places, node);
    const std::optional<Crossing> ahead = LookAlong(places, node, normal);
    const std::optional<Crossing> behind = LookAlong(places, node, {-normal.column, -normal.row});
    double slope = 0;
    if (ahead && behind) {
        // The slope at 0 of z(t) = a t + b t^2 through (-d1, rise behind),
        // (0, 0) and (d2, rise ahead).
        const double d1 = behind->distance;
        const double d2 = ahead->distance;
        slope = (d1 * d1 * ahead->rise - d2 * d2 * behind->rise) / (d1 * d2 * (d1 + d2));
    } else if (ahead) {
        slope = OneSidedSlope(WithNextLine(places, node, normal, *ahead));
    } else if (behind) {
        slope = -OneSidedSlope(WithNextLine(places, node, {-normal.column, -normal.row}, *behind));
    } else {
        return {};
    }
    return {slope * normal.column, slope * normal.row, true};
}

}  // namespace tarn::gridding
