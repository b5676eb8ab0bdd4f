#include "exchange/RasterSamples.h"

#include "exchange/GridPlacement.h"
#include "model/MapFactory.h"
#include "model/Net.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace tarn {

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kLowestHeight = -1000;
constexpr double kHighestHeight = 32767;
// Spacings that differ by more than this share are worth a warning.
constexpr double kSpacingTolerance = 0.01;

// Map height units in one metre.
double UnitsPerMetre(MapUnits units)
{
    switch (units) {
    case MapUnits::Imperial:
        return 1 / kMetresPerFoot;
    case MapUnits::Metric:
        return 1;
    case MapUnits::MicroMetric:
        break;
    }
    return 10;
}

// The spacing a map of those units is made with: whole feet or metres,
// tenths of a metre for MicroMetric.
double MapSpacing(double metres, MapUnits units)
{
    if (units == MapUnits::MicroMetric)
        return std::nearbyint(metres * 10) / 10;
    const double perMetre = units == MapUnits::Imperial ? 1 / kMetresPerFoot : 1;
    return std::nearbyint(metres * perMetre);
}

std::string Metres(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f m", value);
    return text;
}

bool IsNodata(double value, const std::optional<double>& nodata)
{
    return std::isnan(value) || (nodata && value == *nodata);
}

}  // namespace

TRasterStoreReport StoreRasterSamples(const TRasterSamples& samples, TNet& net, MapUnits units,
                                      const TTerrainPalette& palette)
{
    const auto nodes = static_cast<std::size_t>(samples.columns) * static_cast<std::size_t>(samples.rows);
    if (samples.columns < 0 || samples.rows < 0 || samples.values.size() != nodes)
        throw std::invalid_argument("raster samples do not fill their grid");
    TRasterStoreReport report;
    const double meanSpacing = (samples.spacingX + samples.spacingY) / 2;
    if (std::abs(samples.spacingX - samples.spacingY) > kSpacingTolerance * meanSpacing)
        report.warnings.push_back("the grid's nodes are " + Metres(samples.spacingX) + " apart from west to east and " +
                                  Metres(samples.spacingY) + " from north to south; the map takes " +
                                  Metres(meanSpacing) + " for both");
    CreateMap(net, {units, samples.columns, samples.rows, MapSpacing(meanSpacing, units)}, palette);

    const double scale = samples.metresPerUnit * UnitsPerMetre(units);
    auto& points = net.Points();
    THeightRange range;
    for (std::size_t i = 0; i < nodes; ++i) {
        const double value = samples.values[i];
        if (IsNodata(value, samples.nodata)) {
            points[i].Height = kNullHeight;
            continue;
        }
        const double height = std::nearbyint(value * scale);
        if (std::isnan(height)) {  // an infinite value with a scale of 0
            points[i].Height = kNullHeight;
            continue;
        }
        const double stored = std::clamp(height, kLowestHeight, kHighestHeight);
        if (stored != height)
            ++report.clamped;
        points[i].Height = static_cast<std::int16_t>(stored);
        range.Note(points[i].Height);
    }
    net.UpdateSquares();
    range.ApplyTo(net.MapHeader);
    report.anyHeight = range.Any();
    if (report.clamped > 0)
        report.warnings.push_back(std::to_string(report.clamped) +
                                  " heights lay beyond what a map node holds and were clamped into -1000 .. 32767");
    return report;
}

}  // namespace tarn
