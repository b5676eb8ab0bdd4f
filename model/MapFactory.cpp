#include "model/MapFactory.h"

#include "model/MapScale.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <cmath>

namespace tarn {

void CreateMap(TNet& net, const TNewMapParameters& p, const TTerrainPalette& palette)
{
    CheckNewMapParameters(p);
    net.Clear();
    auto& h = net.MapHeader;
    h.MapUnits = static_cast<std::int16_t>(p.units);
    h.Spacing = RoundToInt16(std::trunc(p.spacing));
    h.MinHeight = 0;
    h.MaxHeight = 1000;
    h.ExtentX = RoundToInt16(ExtentTenths(p.units, p.columns, p.spacing));
    h.ExtentY = RoundToInt16(ExtentTenths(p.units, p.rows, p.spacing));
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
