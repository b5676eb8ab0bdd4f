#include "editor/HeightBands.h"

#include "model/MapHeader.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace tarn {

int HeightBand(int height, int bandMin, int bandMax)
{
    if (height <= bandMin)
        return 0;
    if (height >= bandMax)
        return kHighestBand;
    const int step = std::max(1, std::max(10, bandMax - bandMin) / kHeightBands);
    return std::min((height - bandMin) / step, kHighestBand);
}

TColorRef HeightBandColour(int height, int bandMin, int bandMax)
{
    return kBandColourTable[static_cast<std::size_t>(kHighestBand - HeightBand(height, bandMin, bandMax))];
}

namespace {

std::string BoundText(int value, MapUnits units, int subtract)
{
    if (units == MapUnits::MicroMetric)
        return QString::number(value * 0.1 - subtract, 'f', 1).toStdString();
    return std::to_string(value - subtract);
}

}  // namespace

std::array<std::string, kHeightBands + 1> HeightBandLabels(int bandMin, int bandMax, MapUnits units)
{
    const int step = (bandMax - bandMin) / kHeightBands;
    const auto bound = [&](int position) { return step * (kHighestBand - position) + bandMin; };
    std::array<std::string, kHeightBands + 1> labels;
    labels[0] = BoundText(bound(0), units, 0) + "+";
    for (int k = 1; k < kHeightBands; ++k)
        labels[static_cast<std::size_t>(k)] = BoundText(bound(k), units, 0) + ":" + BoundText(bound(k - 1), units, 1);
    labels[kHeightBands] = "Null";
    return labels;
}

TMarkerSize MarkerSizeFor(double scale)
{
    const int pixels = static_cast<int>(std::trunc(scale));
    const int size = std::max(3, pixels / 3 + 1);
    return {size / 2, size - size / 2};
}

}  // namespace tarn
