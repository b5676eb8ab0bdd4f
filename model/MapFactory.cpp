#include "model/MapFactory.h"

#include "model/Errors.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <cmath>

namespace tarn {

namespace {

// Tenths of a mile (Imperial), kilometre (Metric) or metre (MicroMetric)
// spanned by `count` nodes `spacing` apart.
std::int16_t Extent(MapUnits units, int count, double spacing)
{
    const double tenths = (count - 1) * spacing * 10;
    switch (units) {
    case MapUnits::Imperial:
        return RoundToInt16(tenths / 5280);
    case MapUnits::Metric:
        return RoundToInt16(tenths * 0.001);
    case MapUnits::MicroMetric:
        break;
    }
    return RoundToInt16(tenths);
}

}  // namespace

void CheckNewMapParameters(const TNewMapParameters& p)
{
    const long long points = static_cast<long long>(p.columns) * p.rows;
    if (points > kMaxGridPoints)
        throw ETarnError(msg::TooManyGridPoints);
    if (points < kMinGridPoints || p.columns < 2 || p.rows < 2)
        throw ETarnError(msg::TooFewGridPoints);
    // The header holds each side in 16 bits.
    if (p.columns > kMaxGridSide || p.rows > kMaxGridSide || !(p.spacing > 0))
        throw ETarnError(msg::InvalidMapSize);
}

void CreateMap(TNet& net, const TNewMapParameters& p, const TTerrainPalette& palette)
{
    CheckNewMapParameters(p);
    net.Clear();
    auto& h = net.MapHeader;
    h.MapUnits = static_cast<std::int16_t>(p.units);
    h.Spacing = RoundToInt16(std::trunc(p.spacing));
    h.MinHeight = 0;
    h.MaxHeight = 1000;
    h.ExtentX = Extent(p.units, p.columns, p.spacing);
    h.ExtentY = Extent(p.units, p.rows, p.spacing);
    h.Columns = static_cast<std::int16_t>(p.columns);
    h.Rows = static_cast<std::int16_t>(p.rows);
    net.ComputeMapScale();
    net.ComputeWorldSize();
    net.BuildSquares(p.rows, p.columns);
    const int halfWidth = h.WorldWidth / 2;
    const int halfHeight = h.WorldHeight / 2;
    net.BuildPoints(p.rows, p.columns, -halfWidth, halfWidth, -halfHeight, halfHeight);
    ApplyNewMapValues(h);
    ApplyTerrainPalette(h, palette);
}

}  // namespace tarn
