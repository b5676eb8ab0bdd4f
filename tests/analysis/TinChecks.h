#pragma once

#include "analysis/polyred/PolygonReduction.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tarn::test {

// A height field filled from a function of (column, row).
inline THeightField MakeField(int columns, int rows, const std::function<int(int, int)>& height)
{
    THeightField field{columns, rows, 10, {}};
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            field.heights.push_back(static_cast<std::int16_t>(height(column, row)));
    return field;
}

// Heights that jump from node to node: every node differs from the planes
// through its neighbours.
inline int RoughHeight(int column, int row)
{
    unsigned value = static_cast<unsigned>(column) * 73856093u ^ static_cast<unsigned>(row) * 19349663u;
    value ^= value >> 13;
    value *= 0x5bd1e995u;
    value ^= value >> 15;
    return static_cast<int>(value % 1000);
}

// Smooth hills between 0 and about 1000.
inline int HillHeight(int column, int row)
{
    return static_cast<int>(std::lround(500 + 250 * std::sin(column * 0.11) * std::cos(row * 0.07) +
                                        200 * std::sin((column + 2 * row) * 0.031)));
}

// Twice the signed area of a triangle with north at the top: positive when
// its corners run counter-clockwise.
inline long long TwiceArea(const TTinVertex& a, const TTinVertex& b, const TTinVertex& c)
{
    // x east = column, y north = -row
    return 1LL * (b.column - a.column) * (a.row - c.row) - 1LL * (a.row - b.row) * (c.column - a.column);
}

// What is wrong with the network as a triangulation of the field's grid:
// vertices off the grid, at null nodes or with other heights than the
// field's, degenerate, clockwise or repeated triangles, and any part of the
// grid covered other than exactly once. Empty when nothing is.
inline std::vector<std::string> TinFaults(const TTin& tin, const THeightField& field)
{
    std::vector<std::string> faults;
    const auto corner = [&](int column, int row) {
        return (column == 0 || column == field.columns - 1) && (row == 0 || row == field.rows - 1);
    };
    std::set<std::pair<int, int>> places;
    for (const auto& vertex : tin.vertices) {
        if (vertex.column < 0 || vertex.column >= field.columns || vertex.row < 0 || vertex.row >= field.rows) {
            faults.push_back("vertex off the grid");
            continue;
        }
        if (!places.insert({vertex.column, vertex.row}).second)
            faults.push_back("two vertices at one node");
        const auto height = field.At(vertex.column, vertex.row);
        if (THeightField::IsNull(height) && !corner(vertex.column, vertex.row))
            faults.push_back("vertex at a null node");
        if (!THeightField::IsNull(height) && vertex.height != height)
            faults.push_back("vertex height differs from the node's");
    }
    if (!faults.empty())
        return faults;

    std::set<std::array<int, 3>> seen;
    long long areaSum = 0;
    std::vector<int> cover(static_cast<std::size_t>((field.columns - 1) * (field.rows - 1)), 0);
    for (const auto& triangle : tin.triangles) {
        for (const int index : triangle)
            if (index < 0 || index >= static_cast<int>(tin.vertices.size()))
                return {"triangle refers to a missing vertex"};
        auto sorted = triangle;
        std::sort(sorted.begin(), sorted.end());
        if (!seen.insert(sorted).second)
            faults.push_back("duplicate triangle");
        const auto& a = tin.vertices[static_cast<std::size_t>(triangle[0])];
        const auto& b = tin.vertices[static_cast<std::size_t>(triangle[1])];
        const auto& c = tin.vertices[static_cast<std::size_t>(triangle[2])];
        const long long area = TwiceArea(a, b, c);
        if (area <= 0) {
            faults.push_back(area == 0 ? "degenerate triangle" : "clockwise triangle");
            continue;
        }
        areaSum += area;
        // One sample point inside each grid square, off every line between
        // nodes, counts the triangles that hold it.
        const int left = std::min({a.column, b.column, c.column}), right = std::max({a.column, b.column, c.column});
        const int top = std::min({a.row, b.row, c.row}), bottom = std::max({a.row, b.row, c.row});
        for (int row = top; row < bottom; ++row)
            for (int column = left; column < right; ++column) {
                const double x = column + 0.3183098861837907, y = -(row + 0.2718281828459045);
                const auto side = [&](const TTinVertex& p, const TTinVertex& q) {
                    return (q.column - p.column) * (y + p.row) - (-q.row + p.row) * (x - p.column);
                };
                if (side(a, b) > 0 && side(b, c) > 0 && side(c, a) > 0)
                    ++cover[static_cast<std::size_t>(row * (field.columns - 1) + column)];
            }
    }
    if (areaSum != 2LL * (field.columns - 1) * (field.rows - 1))
        faults.push_back("areas add up to " + std::to_string(areaSum / 2.0) + ", not the grid's");
    if (std::any_of(cover.begin(), cover.end(), [](int count) { return count != 1; }))
        faults.push_back("part of the grid covered other than once");
    return faults;
}

// The largest vertical distance between a non-null node and the network's
// surface, measured node by node from the triangles.
inline double MeasuredLargestError(const TTin& tin, const THeightField& field)
{
    double largest = 0;
    for (const auto& triangle : tin.triangles) {
        const auto& a = tin.vertices[static_cast<std::size_t>(triangle[0])];
        const auto& b = tin.vertices[static_cast<std::size_t>(triangle[1])];
        const auto& c = tin.vertices[static_cast<std::size_t>(triangle[2])];
        const double area = static_cast<double>(TwiceArea(a, b, c));
        for (int row = std::min({a.row, b.row, c.row}); row <= std::max({a.row, b.row, c.row}); ++row)
            for (int column = std::min({a.column, b.column, c.column}); column <= std::max({a.column, b.column, c.column});
                 ++column) {
                const TTinVertex p{column, row, 0};
                const double wa = static_cast<double>(TwiceArea(p, b, c)) / area;
                const double wb = static_cast<double>(TwiceArea(a, p, c)) / area;
                const double wc = static_cast<double>(TwiceArea(a, b, p)) / area;
                const auto height = field.At(column, row);
                if (wa < 0 || wb < 0 || wc < 0 || THeightField::IsNull(height))
                    continue;
                const double surface = wa * a.height + wb * b.height + wc * c.height;
                largest = std::max(largest, std::fabs(height - surface));
            }
    }
    return largest;
}

}  // namespace tarn::test
