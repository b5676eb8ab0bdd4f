#include "model/MapScale.h"

#include <cmath>
#include <limits>

namespace tarn {

namespace {
constexpr double kFeetPerMile = 5280;
constexpr double kMetresPerKilometre = 1000;
}  // namespace

double FeetOrMetresPerTenth(MapUnits units)
{
    switch (units) {
    case MapUnits::Imperial:
        return kFeetPerMile / 10;
    case MapUnits::Metric:
        return kMetresPerKilometre / 10;
    case MapUnits::MicroMetric:
        break;
    }
    return 0.1;
}

double ExtentTenths(MapUnits units, int nodes, double spacing)
{
    // Multiplied and divided in this order, so halves round as in every other
    // program that writes the format.
    const double tenths = (nodes - 1) * spacing * 10;
    switch (units) {
    case MapUnits::Imperial:
        return std::nearbyint(tenths / kFeetPerMile);
    case MapUnits::Metric:
        return std::nearbyint(tenths * 0.001);
    case MapUnits::MicroMetric:
        break;
    }
    return std::nearbyint(tenths);
}

double ShortSideWorldUnits(MapUnits units) { return units == MapUnits::Imperial ? 5280 : 1000; }

double UnitScaleFor(MapUnits units, double shortExtent)
{
    const double shortSide = shortExtent * 0.1;
    if (!(shortSide > 0))
        return std::numeric_limits<double>::infinity();
    return std::nearbyint(ShortSideWorldUnits(units) / shortSide);
}

double ShortSideFor(double shortExtent)
{
    const double side = std::nearbyint(shortExtent * 0.1);
    return side == 0 ? 1 : side;
}

double WorldSpan(double unitScale, double extent) { return std::nearbyint(unitScale * 0.1 * (extent - 1)); }

int CornerOffset(int unitScale, int extent) { return unitScale * extent / 20; }

}  // namespace tarn
