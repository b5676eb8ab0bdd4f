#include "exchange/GridPlacement.h"

#include "model/Errors.h"
#include "model/Net.h"

#include <algorithm>
#include <cmath>

namespace tarn {

std::int16_t StoredHeight(long long value)
{
    if (value < -1000)
        return kNullHeight;
    return static_cast<std::int16_t>(std::min<long long>(value, INT16_MAX));
}

std::int16_t StoredHeight(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -1000))  // also NaN
        return kNullHeight;
    return static_cast<std::int16_t>(std::min(rounded, static_cast<double>(INT16_MAX)));
}

std::optional<int> PlaceOnGrid(int columns, int rows, long long c, long long r, int originX, int originY)
{
    const long long column = c + originX;
    if (columns <= 0 || rows <= 0 || column < 1 || column > columns)
        return std::nullopt;
    const long long index = column + static_cast<long long>(columns) * (rows - r - originY);
    if (index < 1 || index > static_cast<long long>(columns) * rows)
        return std::nullopt;
    return static_cast<int>(index);
}

void AbandonImport(TNet& net, const char* message)
{
    net.UpdateSquares();
    throw EInvalidData(message);
}

void ClearForImport(TNet& net, std::int16_t height)
{
    for (auto& point : net.Points())
        point.Height = height;
    for (auto& square : net.Squares())
        square.Terrain = 0;
}

void THeightRange::Note(int height)
{
    any_ = true;
    largest_ = std::max(largest_, height);
    smallest_ = std::min(smallest_, height);
}

void THeightRange::ApplyTo(TMapHeader& header) const
{
    if (!any_)
        return;
    header.MaxHeight = static_cast<std::int16_t>(largest_);
    header.MinHeight = static_cast<std::int16_t>(std::max(smallest_, -1000));
}

void THeightRange::ApplyLiftingZeroTo(TMapHeader& header) const
{
    ApplyTo(header);
    if (any_ && largest_ == 0)
        header.MaxHeight = 100;
}

}  // namespace tarn
