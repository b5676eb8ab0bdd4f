#include "analysis/fractal/FractalOverlay.h"

#include "analysis/fractal/BlockPainting.h"
#include "analysis/fractal/FractalMessages.h"
#include "analysis/fractal/SquareLighting.h"
#include "model/Errors.h"
#include "model/Net.h"
#include "model/Progress.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tarn::fractal {

namespace {

constexpr const char* kOperation = "Generate Fractal";
constexpr int kColourPassStartBlock = 2;
constexpr int kBrightnessPassStartBlock = 4;

// The lit colours of every square, row by row from the north-west corner.
class TLitSquares {
public:
    TLitSquares(TNet& map, const TLight& light)
        : columns_(map.MapHeader.Columns - 1), rows_(map.MapHeader.Rows - 1)
    {
        colours_.reserve(static_cast<std::size_t>(columns_) * rows_);
        for (int square = 1; square <= columns_ * rows_; ++square)
            colours_.push_back(LitSquareColour(map, square, light));
    }

    // The square at (column, row), or the fallback beyond the map's edge.
    ColourRGBA At(int column, int row, const ColourRGBA& fallback) const
    {
        if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
            return fallback;
        return colours_[static_cast<std::size_t>(row) * columns_ + column];
    }

    TNeighbourhood Around(int column, int row) const
    {
        const ColourRGBA c = colours_[static_cast<std::size_t>(row) * columns_ + column];
        return {c,
                At(column, row - 1, c),
                At(column + 1, row, c),
                At(column, row + 1, c),
                At(column - 1, row, c),
                At(column - 1, row - 1, c),
                At(column + 1, row - 1, c),
                At(column + 1, row + 1, c),
                At(column - 1, row + 1, c)};
    }

private:
    int columns_;
    int rows_;
    std::vector<ColourRGBA> colours_;
};

// A map whose lists do not match its header cannot be drawn.
void RequireGrid(const TNet& map)
{
    const long long columns = map.MapHeader.Columns;
    const long long rows = map.MapHeader.Rows;
    if (columns < 2 || rows < 2 || map.PointCount() != columns * rows ||
        map.SquareCount() != (columns - 1) * (rows - 1))
        throw ETarnError(msg::FractalBitmapCreateFailed);
}

TOverlayPicture BlankPicture(long long width, long long height)
{
    if (width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max())
        throw ETarnError(msg::FractalBitmapCreateFailed);
    return TOverlayPicture(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

int CellSize(int columns, int rows, int screenWidth)
{
    const int squares = std::max(columns, rows) - 1;
    if (squares <= 0)
        return 0;
    return static_cast<int>(std::nearbyint(static_cast<double>(screenWidth) / squares));
}

std::optional<TOverlayPicture> GenerateFractalOverlay(TNet& map, const TFractalParameters& parameters,
                                                      IProgress& progress)
{
    RequireGrid(map);
    const int columns = map.MapHeader.Columns - 1;
    const int rows = map.MapHeader.Rows - 1;
    const int cell = CellSize(map.MapHeader.Columns, map.MapHeader.Rows, parameters.screenWidth);
    TOverlayPicture picture = BlankPicture(1LL * columns * cell, 1LL * rows * cell);
    progress.setCaptions(kOperation, "Creating file");

    const TLitSquares lit(map, {map.MapHeader.LightAlt, map.MapHeader.LightAz});
    map.AbortLoad = false;
    ProgressTicker ticker(progress);
    const long long squares = 1LL * columns * rows;
    long long done = 0;
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            const TBlock block{cell * column, cell * row, cell * (column + 1), cell * (row + 1)};
            PaintBlock(picture, block, lit.Around(column, row));
            if (!ticker.tick(++done, squares))
                map.AbortLoad = true;
            if (map.AbortLoad)
                return std::nullopt;
        }
    }

    if (parameters.level != TRoughness::None) {
        std::mt19937 random(parameters.seed);
        progress.setCaptions(kOperation, "Fractalizing file - First Pass");
        Roughen(picture, TRougheningPass::Colour, kColourPassStartBlock, parameters.level, random, progress);
        progress.setCaptions(kOperation, "Fractalizing file - Second Pass");
        Roughen(picture, TRougheningPass::Brightness, kBrightnessPassStartBlock, parameters.density, random,
                progress);
    }
    return picture;
}

}  // namespace tarn::fractal
