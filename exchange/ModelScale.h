#pragma once

#include <string>

namespace tarn {

struct TMapHeader;
struct TTin;
struct TTinVertex;

// The "Scaling" values of the polygon export. Horizontal is the length of
// one grid step in model units; Vertical sets the heights relative to it: a
// height h stands h * Vertical * Horizontal / 100 units high. The starting
// values (Horizontal 1000 / Columns, Vertical 1000 / (Spacing * 10), or
// 1000 / Spacing for MicroMetric maps) make a map about 1000 units across
// with its heights in true proportion to its spacing.
struct TModelScale {
    double vertical = 1;
    double horizontal = 1;
};

TModelScale StartingModelScale(const TMapHeader& header);

// A vertex in model units: x to the east and y to the north from the
// network's south-west corner, z up.
struct TModelPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

TModelPoint ModelPoint(const TTin& tin, const TTinVertex& vertex, const TModelScale& scale);

// A number as written in the model files: at most four decimals, no
// trailing zeros, a point as the decimal sign whatever the locale.
void AppendNumber(std::string& text, double value);

}  // namespace tarn
