#include "exchange/RasterGridSize.h"

#include "exchange/ExchangeMessages.h"
#include "model/Errors.h"
#include "model/MapFactory.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tarn {

namespace {

// Ground pixels whose sides differ by less than this share are square.
constexpr double kSquareTolerance = 0.01;

[[noreturn]] void RefuseGrid(const std::string& reason)
{
    std::string message = msg::RasterGridRefused;
    message += ": ";
    message += reason;
    throw ETarnError(message);
}

std::string SizeText(long long columns, long long rows)
{
    std::string text = std::to_string(columns);
    text += " x ";
    text += std::to_string(rows);
    return text;
}

void CheckMapGrid(long long columns, long long rows)
{
    if (columns < 2 || rows < 2 || columns * rows < kMinGridPoints)
        RefuseGrid(SizeText(columns, rows) + " nodes are fewer than the 400 a map needs");
    if (columns * rows > kMaxGridPoints)
        RefuseGrid(SizeText(columns, rows) + " nodes are more than the 250000 a map can hold");
}

bool SquarePixels(const TRasterFootprint& raster)
{
    const double larger = std::max(raster.pixelWidth, raster.pixelHeight);
    return std::abs(raster.pixelWidth - raster.pixelHeight) <= kSquareTolerance * larger;
}

// A side of a grid: whole, at least 2, and at most what a map can hold.
int GridSide(double nodes)
{
    if (!std::isfinite(nodes))
        return 2;
    return static_cast<int>(std::clamp(std::nearbyint(nodes), 2.0, static_cast<double>(kMaxGridPoints / 2)));
}

TGridSize KeepingShape(const TRasterFootprint& raster)
{
    const double width = raster.columns * raster.pixelWidth;
    const double depth = raster.rows * raster.pixelHeight;
    // No finer than the coarser pixel side: finer would only invent detail.
    const double finest = std::max(raster.pixelWidth, raster.pixelHeight);
    double columns = width / finest;
    double rows = depth / finest;
    const double shrink = std::sqrt(static_cast<double>(kMaxGridPoints) / (columns * rows));
    if (shrink < 1) {
        columns *= shrink;
        rows *= shrink;
    }
    TGridSize size{GridSide(columns), GridSide(rows)};
    // Rounding may have taken the grid just over the limit.
    if (static_cast<long long>(size.columns) * size.rows > kMaxGridPoints) {
        if (size.columns >= size.rows)
            size.columns = static_cast<int>(kMaxGridPoints / size.rows);
        else
            size.rows = static_cast<int>(kMaxGridPoints / size.columns);
    }
    return size;
}

}  // namespace

TGridSize ChooseGridSize(const TRasterFootprint& raster, const TRasterImportOptions& options)
{
    if (options.columns > 0 || options.rows > 0) {
        CheckMapGrid(options.columns, options.rows);
        return {options.columns, options.rows};
    }
    if (options.step > 0) {
        const long long columns = (static_cast<long long>(raster.columns) + options.step - 1) / options.step;
        const long long rows = (static_cast<long long>(raster.rows) + options.step - 1) / options.step;
        CheckMapGrid(columns, rows);
        return {static_cast<int>(columns), static_cast<int>(rows)};
    }
    const long long pixels = static_cast<long long>(raster.columns) * raster.rows;
    if (raster.columns < 2 || raster.rows < 2 || pixels < kMinGridPoints) {
        std::string message = msg::RasterTooSmall;
        message += ": ";
        message += SizeText(raster.columns, raster.rows);
        message += " pixels give fewer than the 400 nodes a map needs; choose a larger grid size";
        throw ETarnError(message);
    }
    if (pixels <= kMaxGridPoints && SquarePixels(raster))
        return {raster.columns, raster.rows};
    const TGridSize size = KeepingShape(raster);
    CheckMapGrid(size.columns, size.rows);
    return size;
}

}  // namespace tarn
