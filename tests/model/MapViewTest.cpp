#include "model/MapView.h"

#include "TestMaps.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace tarn::test {
namespace {

using Vec = std::array<double, 3>;

Vec Minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec Cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec Unit(const Vec& a)
{
    const double length = std::sqrt(Dot(a, a));
    return {a[0] / length, a[1] / length, a[2] / length};
}

// Scene coordinates as the viewer draws them: x east, y up, north is -z.
Vec SceneOfCamera(const std::array<double, 3>& p) { return {p[0] / 100, p[2] / 100, -p[1] / 100}; }
Vec SceneOfNode(const TNet& net, const TGridPoint& p)
{
    return {p.X / 100.0, p.Height / net.HeightDivisor(), -p.Y / 100.0};
}

// Whether every node with a height falls inside a 4:3 picture whose
// vertical angle of view is the header's.
bool EveryNodeInView(const TNet& net)
{
    const Vec eye = SceneOfCamera(net.MapHeader.CameraPos);
    const Vec forward = Unit(Minus(SceneOfCamera(net.MapHeader.TargetPos), eye));
    const Vec right = Unit(Cross(forward, {0, 1, 0}));
    const Vec up = Cross(right, forward);
    const double halfHeight = std::tan(net.MapHeader.ViewAngle / 2 * std::numbers::pi / 180);
    const double halfWidth = halfHeight * 4 / 3;
    for (const auto& point : net.Points()) {
        if (point.Height == kNullHeight)
            continue;
        const Vec toNode = Minus(SceneOfNode(net, point), eye);
        const double depth = Dot(toNode, forward);
        if (depth <= 0 || std::abs(Dot(toNode, right) / depth) > halfWidth ||
            std::abs(Dot(toNode, up) / depth) > halfHeight)
            return false;
    }
    return true;
}

void RaiseHills(TNet& net, int lowest, int highest)
{
    const int columns = net.MapHeader.Columns;
    auto& points = net.Points();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double wave = std::sin(static_cast<double>(i % columns) / 5) * std::cos(static_cast<double>(i / columns) / 7);
        points[i].Height = static_cast<std::int16_t>(lowest + (highest - lowest) * (wave + 1) / 2);
    }
}

TEST(MapView, AMapWithTheNewMapViewIsSeenWholeFromTheSouth)
{
    struct Case {
        MapUnits units;
        int columns, rows;
        double spacing, verticalScale;
        int lowest, highest;
    };
    const Case cases[] = {
        {MapUnits::Metric, 51, 51, 10, 0, 229, 479},        // the start-up map's grid, scale never set
        {MapUnits::Metric, 200, 80, 30, 1, 0, 2500},        // wide and mountainous
        {MapUnits::Imperial, 30, 120, 100, 2.5, -200, 900}, // long from north to south, exaggerated
        {MapUnits::MicroMetric, 40, 40, 0.5, 1, 0, 3000},   // tenths of a metre
    };
    for (const auto& c : cases) {
        TNet net;
        MakeMap(net, c.columns, c.rows, c.units, c.spacing);
        net.MapHeader.VerticalScale = c.verticalScale;
        RaiseHills(net, c.lowest, c.highest);
        ASSERT_FALSE(EveryNodeInView(net)) << "the new-map view already shows the map";
        ViewWholeMapIfNewView(net);
        EXPECT_TRUE(EveryNodeInView(net)) << c.columns << " x " << c.rows;
        const auto& camera = net.MapHeader.CameraPos;
        EXPECT_GT(camera[2] / 100, c.highest / net.HeightDivisor()) << "the camera is above the highest node";
    }
}

TEST(MapView, AViewSetByTheUserOrAMapWithoutHeightsIsKept)
{
    TNet net;
    MakeMap(net, 30, 30);
    ViewWholeMapIfNewView(net);
    EXPECT_EQ(net.MapHeader.CameraPos, (std::array<double, 3>{-50, -50, 50})) << "all nodes are null";

    RaiseHills(net, 0, 500);
    net.Points()[0].Height = kNullHeight;
    net.MapHeader.CameraPos = {-50, -50, 51};
    ViewWholeMapIfNewView(net);
    EXPECT_EQ(net.MapHeader.CameraPos, (std::array<double, 3>{-50, -50, 51}));
    EXPECT_EQ(net.MapHeader.TargetPos, (std::array<double, 3>{0, 0, 0}));
}

}  // namespace
}  // namespace tarn::test
