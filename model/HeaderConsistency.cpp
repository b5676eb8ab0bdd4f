#include "model/HeaderConsistency.h"

#include "model/MapFactory.h"
#include "model/MapScale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace tarn {

namespace {

using TFindings = std::vector<std::string>;

std::string Text(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string Expected(double lowest, double highest)
{
    return "(" + Text(lowest) + (highest != lowest ? " to " + Text(highest) : "") + " expected)";
}

// One side of the grid: its node count and the fields derived from it.
struct TSide {
    const char* extentName;
    std::int16_t extent;
    const char* nodesName;
    std::int16_t nodes;
    const char* worldName;
    std::int16_t world;
};

void CheckSpacing(const TMapHeader& h, MapUnits units, TFindings& found)
{
    // The field holds the spacing cut to whole feet or metres.
    const auto range = NewMapSpacingRange(units);
    if (h.Spacing < std::trunc(range.lowest) || h.Spacing > std::trunc(range.highest))
        found.push_back("Spacing " + Text(h.Spacing) + " lies outside " + Text(std::trunc(range.lowest)) + " to " +
                        Text(std::trunc(range.highest)));
}

void CheckExtent(const TMapHeader& h, MapUnits units, const TSide& side, TFindings& found)
{
    // The spacing the map was made with lies between Spacing and the next whole number.
    const double lowest = ExtentTenths(units, side.nodes, h.Spacing);
    const double highest = ExtentTenths(units, side.nodes, h.Spacing + 1);
    if (side.extent < lowest || side.extent > highest)
        found.push_back(std::string(side.extentName) + " " + Text(side.extent) + " does not match " +
                        Text(side.nodes) + " " + side.nodesName + " with Spacing " + Text(h.Spacing) + " " +
                        Expected(lowest, highest));
    if (side.extent < 2)
        found.push_back(std::string(side.extentName) + " " + Text(side.extent) +
                        " is below 2, the least extent that gives the map room for its " + side.nodesName);
}

void CheckScale(const TMapHeader& h, MapUnits units, TFindings& found)
{
    const double shortExtent = std::min(h.ExtentX, h.ExtentY);
    if (shortExtent < 1)
        return;  // no scale follows from no extent; the extents are reported
    const double unitScale = UnitScaleFor(units, shortExtent);
    if (h.UnitScale != unitScale)
        found.push_back("UnitScale " + Text(h.UnitScale) + " does not match the shorter extent " +
                        Text(shortExtent) + " " + Expected(unitScale, unitScale));
    const double shortSide = ShortSideFor(shortExtent);
    if (h.ShortSide != shortSide)
        found.push_back("ShortSide " + Text(h.ShortSide) + " does not match the shorter extent " +
                        Text(shortExtent) + " " + Expected(shortSide, shortSide));
}

void CheckWorld(const TMapHeader& h, const TSide& side, TFindings& found)
{
    const double span = WorldSpan(h.UnitScale, side.extent);
    if (side.world != span)
        found.push_back(std::string(side.worldName) + " " + Text(side.world) + " does not match UnitScale " +
                        Text(h.UnitScale) + " and " + side.extentName + " " + Text(side.extent) + " " +
                        Expected(span, span));
    if (side.world < side.nodes)
        found.push_back(std::string(side.worldName) + " " + Text(side.world) + " gives the " + Text(side.nodes) +
                        " " + side.nodesName + " less than one world unit each");
}

std::string BoundsText(const std::array<double, 4>& bounds)
{
    return Text(bounds[0]) + ", " + Text(bounds[1]) + ", " + Text(bounds[2]) + ", " + Text(bounds[3]);
}

void CheckBounds(const TMapHeader& h, TFindings& found)
{
    std::array<double, 4> bounds{};
    std::transform(h.Bounds.begin(), h.Bounds.end(), bounds.begin(), [](const Real48& r) { return r.toDouble(); });
    // A new map centres its world size; a load sets the corners. Integer
    // halves, as both do.
    const int halfWidth = h.WorldWidth / 2;
    const int halfHeight = h.WorldHeight / 2;
    const std::array<double, 4> made{-halfWidth * 1.0, -halfHeight * 1.0, halfWidth * 1.0, halfHeight * 1.0};
    const int cornerX = CornerOffset(h.UnitScale, h.ExtentX);
    const int cornerY = CornerOffset(h.UnitScale, h.ExtentY);
    const std::array<double, 4> loaded{-cornerX * 1.0, -cornerY * 1.0, cornerX * 1.0, cornerY * 1.0};
    if (bounds != made && bounds != loaded)
        found.push_back("Bounds " + BoundsText(bounds) + " (West, South, East, North) are neither the new map's " +
                        BoundsText(made) + " nor the corners " + BoundsText(loaded));
    if (!(bounds[0] < bounds[2] && bounds[1] < bounds[3]))
        found.push_back("Bounds " + BoundsText(bounds) + " (West, South, East, North) are mirrored or empty");
}

}  // namespace

std::vector<std::string> FindHeaderContradictions(const TMapHeader& h)
{
    TFindings found;
    if (h.MapUnits < 0 || h.MapUnits > 2) {
        // Every other grid field is counted in the units.
        found.push_back("MapUnits " + Text(h.MapUnits) + " is none of 0 (Imperial), 1 (Metric) and 2 (MicroMetric)");
        return found;
    }
    const auto units = static_cast<MapUnits>(h.MapUnits);
    const TSide across{"ExtentX", h.ExtentX, "columns", h.Columns, "WorldWidth", h.WorldWidth};
    const TSide down{"ExtentY", h.ExtentY, "rows", h.Rows, "WorldHeight", h.WorldHeight};
    CheckSpacing(h, units, found);
    CheckExtent(h, units, across, found);
    CheckExtent(h, units, down, found);
    CheckScale(h, units, found);
    CheckWorld(h, across, found);
    CheckWorld(h, down, found);
    CheckBounds(h, found);
    return found;
}

}  // namespace tarn
