#include "editor/MapSizeText.h"

#include "model/MapFactory.h"
#include "model/MapHeader.h"

#include <cmath>

namespace tarn {

QString DisplayMapSize(MapUnits units, int columns, int rows, double spacing)
{
    const double width = (columns - 1) * spacing;
    const double depth = (rows - 1) * spacing;
    switch (units) {
    case MapUnits::Imperial:
        return QString::number(width / 5280, 'f', 1) + "mls x " + QString::number(depth / 5280, 'f', 1) + "mls";
    case MapUnits::Metric:
        return QString::number(width * 0.001, 'f', 1) + "km x " + QString::number(depth * 0.001, 'f', 1) + "km";
    case MapUnits::MicroMetric:
        break;
    }
    return QString::number(width, 'f', 0) + "M x " + QString::number(depth, 'f', 0) + "M";
}

QString MapSizeCaption(MapUnits units, double columns, double rows, double spacing)
{
    const auto a = static_cast<long long>(std::nearbyint(columns));
    const auto b = static_cast<long long>(std::nearbyint(rows));
    if (a * b > kMaxGridPoints)
        return "Map has too many grid points";
    if (a * b < kMinGridPoints)
        return "Map has too few grid points";
    return "MapSize: " + DisplayMapSize(units, static_cast<int>(a), static_cast<int>(b), spacing);
}

}  // namespace tarn
