#include "exchange/MapMetres.h"

#include "model/MapHeader.h"
#include "model/MapScale.h"

namespace tarn {

namespace {

constexpr double kMetresPerFoot = 0.3048;

MapUnits UnitsOf(const TMapHeader& header) { return static_cast<MapUnits>(header.MapUnits); }

}  // namespace

double NodeSpacingMetres(const TMapHeader& header)
{
    switch (UnitsOf(header)) {
    case MapUnits::Imperial:
        return header.Spacing * kMetresPerFoot;
    case MapUnits::Metric:
        return header.Spacing;
    case MapUnits::MicroMetric:
        break;
    }
    // The spacing field holds whole metres; the extent keeps the tenths.
    if (header.Columns > 1)
        return header.ExtentX * FeetOrMetresPerTenth(MapUnits::MicroMetric) / (header.Columns - 1);
    return header.Spacing;
}

double HeightUnitMetres(const TMapHeader& header)
{
    switch (UnitsOf(header)) {
    case MapUnits::Imperial:
        return kMetresPerFoot;
    case MapUnits::Metric:
        return 1;
    case MapUnits::MicroMetric:
        break;
    }
    return 0.1;
}

}  // namespace tarn
