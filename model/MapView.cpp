#include "model/MapView.h"

#include "model/Net.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tarn {

namespace {

constexpr std::array<double, 3> kNewMapCamera{-50, -50, 50};
constexpr std::array<double, 3> kNewMapTarget{0, 0, 0};

// How far south of the map the camera stands and how high above its top,
// both in map widths: at a 30 degree angle of view the nearest corners
// stay in a 4:3 picture and the far edge sits below its top.
constexpr double kBackOff = 1.5;
constexpr double kRise = 0.7;

struct TNodeBox {
    double west = std::numeric_limits<double>::max();
    double east = std::numeric_limits<double>::lowest();
    double south = std::numeric_limits<double>::max();
    double north = std::numeric_limits<double>::lowest();
    double lowest = std::numeric_limits<double>::max();
    double highest = std::numeric_limits<double>::lowest();
    bool empty = true;
};

TNodeBox BoxOfHeights(const TNet& net)
{
    TNodeBox box;
    for (const auto& point : net.Points()) {
        if (point.Height == kNullHeight)
            continue;
        box.west = std::min<double>(box.west, point.X);
        box.east = std::max<double>(box.east, point.X);
        box.south = std::min<double>(box.south, point.Y);
        box.north = std::max<double>(box.north, point.Y);
        box.lowest = std::min<double>(box.lowest, point.Height);
        box.highest = std::max<double>(box.highest, point.Height);
        box.empty = false;
    }
    return box;
}

}  // namespace

void ViewWholeMapIfNewView(TNet& net)
{
    if (net.MapHeader.CameraPos != kNewMapCamera || net.MapHeader.TargetPos != kNewMapTarget)
        return;
    const TNodeBox box = BoxOfHeights(net);
    if (box.empty)
        return;
    // Camera heights are in world units; a node's height in world units is
    // its height over the height divisor, times the 100 world units of one
    // scene unit.
    const double worldPerHeight = 100.0 / net.HeightDivisor();
    const double width = std::max({box.east - box.west, box.north - box.south, 1.0});
    const double middleX = (box.west + box.east) / 2;
    const double middleY = (box.south + box.north) / 2;
    const double top = box.highest * worldPerHeight;
    const double middleHeight = (box.lowest + box.highest) / 2 * worldPerHeight;
    net.MapHeader.CameraPos = {middleX, box.south - kBackOff * width, top + kRise * width};
    net.MapHeader.TargetPos = {middleX, middleY, middleHeight};
}

}  // namespace tarn
