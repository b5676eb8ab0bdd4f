#include "model/OverlayPixels.h"

#include <algorithm>
#include <cmath>

namespace tarn {

int RoundToPixel(double position)
{
    if (std::isnan(position))
        return 0;
    constexpr double limit = kPixelLimit;
    return static_cast<int>(std::nearbyint(std::clamp(position, -limit, limit)));
}

int GridToPixel(double coordinate, double pixelsPerUnit)
{
    return RoundToPixel(coordinate * pixelsPerUnit);
}

int LabelPixelHeight(std::int32_t pointSize, int dpi)
{
    const long long pixels = static_cast<long long>(dpi) * pointSize / 72;
    return static_cast<int>(std::clamp<long long>(pixels, 1, kMaxLabelPixelHeight));
}

}  // namespace tarn
