#pragma once

#include <QString>

namespace tarn {

enum class MapUnits : std::int16_t;

// The ground size of a grid: "10.0km x 10.0km", "5.7mls x 5.7mls" or
// "500M x 500M" for columns by rows nodes `spacing` feet or metres apart.
QString DisplayMapSize(MapUnits units, int columns, int rows, double spacing);

// The New Map dialog's size line: "MapSize: " and the size, or why the
// grid is refused.
QString MapSizeCaption(MapUnits units, double columns, double rows, double spacing);

}  // namespace tarn
