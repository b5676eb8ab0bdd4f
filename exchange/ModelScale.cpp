#include "exchange/ModelScale.h"

#include "analysis/polyred/PolygonReduction.h"
#include "model/MapHeader.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tarn {

TModelScale StartingModelScale(const TMapHeader& header)
{
    const bool microMetric = header.MapUnits == static_cast<std::int16_t>(MapUnits::MicroMetric);
    return {1000.0 / (header.Spacing * (microMetric ? 1.0 : 10.0)), 1000.0 / header.Columns};
}

TModelPoint ModelPoint(const TTin& tin, const TTinVertex& vertex, const TModelScale& scale)
{
    return {vertex.column * scale.horizontal, (tin.rows - 1 - vertex.row) * scale.horizontal,
            vertex.height * scale.vertical * scale.horizontal / 100};
}

void AppendNumber(std::string& text, double value)
{
    double rounded = std::round(value * 10000) / 10000;
    if (rounded == 0)
        rounded = 0;  // no "-0"
    std::array<char, 32> digits;
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), rounded);
    text.append(digits.data(), result.ptr);
}

}  // namespace tarn
