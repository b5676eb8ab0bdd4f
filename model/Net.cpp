#include "model/Net.h"

#include "model/MapScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarn {

std::int16_t RoundToInt16(double value)
{
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(rounded))
        return 0;
    return static_cast<std::int16_t>(std::clamp(rounded, lo, hi));
}

// ---- T3DObject ----------------------------------------------------------

void T3DObject::Clear()
{
    points_.clear();
    squares_.clear();
    ResetCounts();
}

void T3DObject::ResetCounts()
{
    addedPoints_ = 0;
    addedSquares_ = 0;
}

void T3DObject::ReserveGrid(std::size_t nodes, std::size_t squares)
{
    points_.reserve(nodes);
    squares_.reserve(squares);
}

void T3DObject::AddPoint(double x, double y, double height)
{
    points_.push_back({RoundToInt16(x), RoundToInt16(y), RoundToInt16(height)});
    ++addedPoints_;
}

void T3DObject::NoteAdded(int points, int squares)
{
    addedPoints_ += points;
    addedSquares_ += squares;
}

TGridPoint* T3DObject::GetPoint(int index)
{
    return index >= 1 && index <= PointCount() ? &points_[index - 1] : nullptr;
}

const TGridPoint* T3DObject::GetPoint(int index) const
{
    return index >= 1 && index <= PointCount() ? &points_[index - 1] : nullptr;
}

void T3DObject::PutPoint(int index, const TGridPoint& point)
{
    if (auto* target = GetPoint(index))
        *target = point;
}

void T3DObject::AddSquareRecord(const TGridSquare& square)
{
    squares_.push_back(square);
    ++addedSquares_;
}

void T3DObject::PutSquare(int index, const TGridSquare& square)
{
    if (auto* target = GetSquare(index))
        *target = square;
}

TGridSquare* T3DObject::GetSquare(int index)
{
    return index >= 1 && index <= SquareCount() ? &squares_[index - 1] : nullptr;
}

const TGridSquare* T3DObject::GetSquare(int index) const
{
    return index >= 1 && index <= SquareCount() ? &squares_[index - 1] : nullptr;
}

std::optional<TGridSquare> T3DObject::CopySquare(int index) const
{
    if (const auto* square = GetSquare(index))
        return *square;
    return std::nullopt;
}

void T3DObject::AddSquare(int corner1, int /*corner2*/, int offset, int /*corner4*/, int /*corner3*/)
{
    TGridSquare square;
    square.FirstCorner = corner1 + offset;
    AddSquareRecord(square);
}

// ---- TNet ---------------------------------------------------------------

TSquareStats SquareStats(int h1, int h2, int h3, int h4)
{
    TSquareStats stats;
    stats.NullCorner = (h1 == kNullHeight || h2 == kNullHeight || h3 == kNullHeight || h4 == kNullHeight) ? 1 : 0;
    // The sum over four, rounded with halves to the even neighbour.
    const int sum = h1 + h2 + h3 + h4;
    int quotient = sum >> 2;  // floor
    const int remainder = sum - 4 * quotient;
    if (remainder > 2 || (remainder == 2 && (quotient & 1)))
        ++quotient;
    stats.MeanHeight = static_cast<std::int16_t>(quotient);
    return stats;
}

void TNet::Clear()
{
    Overlays.clear();
    Labels.clear();
    T3DObject::Clear();
}

void TNet::ComputeMapScale()
{
    auto& h = MapHeader;
    const double shortExtent = std::min(h.ExtentX, h.ExtentY);
    // A map without extent has no scale; it gets the largest the field holds.
    h.UnitScale = RoundToInt16(UnitScaleFor(static_cast<MapUnits>(h.MapUnits), shortExtent));
    h.ShortSide = RoundToInt16(ShortSideFor(shortExtent));
}

void TNet::ComputeWorldSize()
{
    auto& h = MapHeader;
    h.WorldWidth = RoundToInt16(WorldSpan(h.UnitScale, h.ExtentX));
    h.WorldHeight = RoundToInt16(WorldSpan(h.UnitScale, h.ExtentY));
}

void TNet::BuildSquares(int rows, int columns)
{
    const auto capacity = static_cast<std::size_t>(std::max(rows, 0)) * static_cast<std::size_t>(std::max(columns, 0));
    ReserveGrid(capacity, capacity);
    // The squares AddSquare would make, appended directly.
    auto& squares = Squares();
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < columns; ++c) {
            TGridSquare square;
            square.FirstCorner = (r - 1) * columns + c;
            squares.push_back(square);
        }
    NoteAdded(0, std::max(rows - 1, 0) * std::max(columns - 1, 0));
}

void TNet::BuildPoints(int rows, int columns, double x0, double x1, double y0, double y1)
{
    auto& bounds = MapHeader.Bounds;
    bounds[0] = Real48::fromDouble(x0);
    bounds[1] = Real48::fromDouble(y0);
    bounds[2] = Real48::fromDouble(x1);
    bounds[3] = Real48::fromDouble(y1);
    if (rows <= 0 || columns <= 0)
        return;
    // The steps divide by the number of nodes, not of gaps, so the last node
    // of a row lies one step short of x1. Every row steps through the same x
    // values, so they are rounded once.
    const double columnStep = (x1 - x0) / columns;
    const double rowStep = (y0 - y1) / rows;
    std::vector<std::int16_t> xs(static_cast<std::size_t>(columns));
    double x = x0;
    for (auto& column : xs) {
        column = RoundToInt16(x);
        x += columnStep;
    }
    auto& points = Points();
    double y = y1;
    for (int r = 0; r < rows; ++r) {
        const std::int16_t rowY = RoundToInt16(y);
        for (const std::int16_t columnX : xs)
            points.push_back({columnX, rowY, kNullHeight});
        y += rowStep;
    }
    NoteAdded(rows * columns, 0);
}

void TNet::UpdateSquare(TGridSquare& square) const
{
    const int columns = MapHeader.Columns;
    const int d = square.FirstCorner;
    const auto& points = Points();
    const auto count = static_cast<long long>(points.size());
    // Corners beyond the node list read as null; in a whole grid they never are.
    const auto height = [&](long long index) { return index >= 1 && index <= count ? points[index - 1].Height : kNullHeight; };
    const auto stats = SquareStats(height(d), height(d + 1), height(d + columns + 1), height(d + columns));
    square.MeanHeight = stats.MeanHeight;
    square.NullCorner = stats.NullCorner;
}

void TNet::UpdateSquares()
{
    for (auto& square : Squares())
        UpdateSquare(square);
}

TWorldPoint TNet::GetCorner(int corner) const
{
    const int halfX = CornerOffset(MapHeader.UnitScale, MapHeader.ExtentX);
    const int halfY = CornerOffset(MapHeader.UnitScale, MapHeader.ExtentY);
    const bool east = corner == EastSouth || corner == EastNorth;
    const bool north = corner == WestNorth || corner == EastNorth;
    return {east ? halfX : -halfX, north ? halfY : -halfY};
}

TWorldPoint TNet::GetWorldSize() const
{
    const auto a = GetCorner(WestSouth);
    const auto b = GetCorner(EastNorth);
    return {b.x - a.x, b.y - a.y};
}

double TNet::HorizontalScale() const
{
    const double divisor = static_cast<double>(MapHeader.Columns) * MapHeader.Spacing;
    return divisor != 0 ? MapHeader.WorldWidth / divisor : 0.0;
}

double TNet::HeightDivisor() const
{
    const double unit = MapHeader.MapUnits == static_cast<std::int16_t>(MapUnits::MicroMetric) ? 100.0 : 1.0;
    // A header without spacing has no horizontal scale; it is drawn as if
    // one world unit were one height unit rather than flattened to nothing.
    const double scale = HorizontalScale();
    const double heightUnit = std::isfinite(scale) && scale > 0 ? unit / scale : unit;
    return heightUnit * 100.0 / DrawnVerticalScale(MapHeader.VerticalScale);
}

}  // namespace tarn
