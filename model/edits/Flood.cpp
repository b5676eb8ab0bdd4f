#include "model/edits/Flood.h"

#include "model/Net.h"
#include "model/edits/UndoList.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace tarn {

namespace {

struct TVector {
    float x;
    float y;
    float z;
};

TVector CornerPoint(const TGridPoint& node)
{
    // Height is the vertical coordinate.
    return {static_cast<float>(node.X), static_cast<float>(node.Height), static_cast<float>(node.Y)};
}

TVector Minus(const TVector& a, const TVector& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// The vertical part of the unit normal of triangle (a, b, c) is +1 or -1.
bool TriangleIsLevel(const TVector& a, const TVector& b, const TVector& c)
{
    const TVector u = Minus(a, b);
    const TVector v = Minus(b, c);
    const TVector n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length == 0)
        return false;
    return std::fabs(n.y / length) == 1.0f;
}

// The flood's work grid: one cell per square with a ring of cells around
// that stands for no square, so neighbours never need bounds checks.
class TWorkGrid {
public:
    enum Cell : std::uint8_t { Blocked, Open, Flooded };

    TWorkGrid(int squareColumns, int squareRows)
        : width_(squareColumns + 2), cells_(static_cast<std::size_t>(width_) * (squareRows + 2), Blocked)
    {
    }

    std::size_t Index(int column, int row) const { return static_cast<std::size_t>(row) * width_ + column; }
    Cell& operator[](std::size_t index) { return cells_[index]; }
    int Width() const { return width_; }

    // Floods the open cells joined to the start through their four sides.
    void Fill(std::size_t start)
    {
        if (cells_[start] != Open)
            return;
        std::vector<std::size_t> pending{start};
        cells_[start] = Flooded;
        const std::size_t steps[] = {1, static_cast<std::size_t>(width_)};
        while (!pending.empty()) {
            const std::size_t cell = pending.back();
            pending.pop_back();
            for (const std::size_t step : steps) {
                for (const std::size_t next : {cell - step, cell + step}) {
                    if (cells_[next] == Open) {
                        cells_[next] = Flooded;
                        pending.push_back(next);
                    }
                }
            }
        }
    }

private:
    int width_;
    std::vector<Cell> cells_;
};

bool BlocksWater(int terrain)
{
    return terrain >= 2 && terrain <= 6;
}

}  // namespace

bool SquareIsLevel(const TNet& net, const TGridSquare& square)
{
    const auto& points = net.Points();
    const long long columns = net.MapHeader.Columns;
    const long long first = square.FirstCorner - 1;
    if (first < 0 || first + columns + 1 >= static_cast<long long>(points.size()))
        return false;
    const TGridPoint* corner = &points[static_cast<std::size_t>(first)];
    const TVector p1 = CornerPoint(corner[0]);
    const TVector p2 = CornerPoint(corner[1]);
    const TVector p3 = CornerPoint(corner[columns + 1]);
    const TVector p4 = CornerPoint(corner[columns]);
    return TriangleIsLevel(p1, p2, p3) && TriangleIsLevel(p4, p2, p3);
}

int Flood(TNet& net, TUndoList& undo, int column, int row)
{
    net.UpdateSquares();
    const TGridSquare* start = SquareAt(net, column, row);
    if (!start)
        throw EAbortFlood(msg::InvalidTerrainPolygon);
    if (!SquareIsLevel(net, *start))
        throw EAbortFlood(msg::FloodStartNotLevel);
    if (start->MeanHeight == kNullHeight)
        throw EAbortFlood(msg::FloodStartNull);
    const int level = start->MeanHeight;

    const int squareColumns = net.MapHeader.Columns - 1;
    const int squareRows = net.MapHeader.Rows - 1;
    auto& squares = net.Squares();
    if (squares.size() != static_cast<std::size_t>(squareColumns) * static_cast<std::size_t>(squareRows))
        throw EAbortFlood(msg::InvalidTerrainPolygon);
    // Square (i, j) in the list, for a whole grid.
    const auto squareAt = [&squares, squareColumns](int i, int j) -> TGridSquare& {
        return squares[static_cast<std::size_t>(i - 1 + squareColumns * (j - 1))];
    };
    TWorkGrid grid(squareColumns, squareRows);
    for (int j = 1; j <= squareRows; ++j) {
        for (int i = 1; i <= squareColumns; ++i) {
            const TGridSquare& square = squareAt(i, j);
            if (square.MeanHeight == level && !BlocksWater(square.Terrain) && SquareIsLevel(net, square))
                grid[grid.Index(i, j)] = TWorkGrid::Open;
        }
    }
    grid.Fill(grid.Index(column, row));

    int changed = 0;
    for (int j = 1; j <= squareRows; ++j) {
        for (int i = 1; i <= squareColumns; ++i) {
            TGridSquare& square = squareAt(i, j);
            if (grid[grid.Index(i, j)] != TWorkGrid::Flooded || square.Terrain == kWaterTerrain)
                continue;
            if (changed++ == 0)
                undo.Clear();
            undo.AddTerrain(i, j, square.Terrain);
            square.Terrain = kWaterTerrain;
        }
    }
    return changed;
}

}  // namespace tarn
