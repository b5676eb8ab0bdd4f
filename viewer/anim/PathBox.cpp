#include "viewer/anim/PathBox.h"

#include "model/Net.h"

#include <cmath>

namespace tarn {

TPathBoxGeometry::TPathBoxGeometry(const TNet& net, int width, int height)
    : net_(net),
      width_(width > 0 ? width : 1),
      height_(height > 0 ? height : 1),
      west_(net.MapHeader.Bounds[0].toDouble()),
      north_(net.MapHeader.Bounds[3].toDouble()),
      worldWidth_(net.MapHeader.WorldWidth),
      worldHeight_(net.MapHeader.WorldHeight)
{
}

std::array<double, 2> TPathBoxGeometry::ToWorld(double x, double y) const
{
    return {west_ + x / width_ * worldWidth_, north_ - y / height_ * worldHeight_};
}

std::array<double, 2> TPathBoxGeometry::ToBox(double worldX, double worldY) const
{
    const double x = worldWidth_ != 0 ? (worldX - west_) / worldWidth_ * width_ : 0;
    const double y = worldHeight_ != 0 ? (north_ - worldY) / worldHeight_ * height_ : 0;
    return {x, y};
}

int TPathBoxGeometry::GroundHeight(double x, double y) const
{
    const int columns = net_.MapHeader.Columns;
    const auto column = static_cast<long long>(std::nearbyint(x / width_ * columns));
    const auto row = static_cast<long long>(std::nearbyint(y / height_ * net_.MapHeader.Rows));
    const long long node = (row - 1) * columns + column;
    if (node < 1 || node > net_.PointCount())
        return 0;
    const int height = net_.GetPoint(static_cast<int>(node))->Height;
    return height == kNullHeight ? 0 : height;
}

}  // namespace tarn
