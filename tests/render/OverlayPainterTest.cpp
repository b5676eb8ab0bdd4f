// Overlay objects painted onto the overlay picture: the pixels of objects
// inside the picture, and objects reaching far outside it, as a damaged or
// hostile but loadable map holds them.
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "viewer/render/OverlayPainter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarn {
namespace {

using Objects = std::vector<std::unique_ptr<TGraphObject>>;
constexpr TDibPicture::Rgb kInk{0, 0, 255};

std::unique_ptr<TGraphObject> Object(GraphKind kind, int width, std::initializer_list<std::pair<double, double>> points)
{
    auto object = CreateGraphObject(static_cast<std::uint8_t>(kind));
    object->PenColour = RGB(0, 0, 255);
    object->PenWidth = static_cast<std::uint8_t>(width);
    for (const auto& [x, y] : points)
        object->Points.push_back({Real48::fromDouble(x), Real48::fromDouble(y)});
    return object;
}

// Objects of every kind and several pen widths, inside a 160 x 120 picture
// at the scales below, many of them crossing each other.
Objects ObjectsInside()
{
    Objects objects;
    objects.push_back(Object(GraphKind::Line, 1, {{1.3, 2.2}, {50.7, 31.9}}));
    objects.push_back(Object(GraphKind::Line, 3, {{40, 3}, {2.5, 35.5}}));
    objects.push_back(Object(GraphKind::Pen, 2, {{5, 5}, {9.1, 30}, {17.7, 4.4}, {33, 33}, {57, 1}}));
    objects.push_back(Object(GraphKind::Pen, 1, {{20, 20}}));
    objects.push_back(Object(GraphKind::Ellipse, 1, {{10, 8}, {45, 30}}));
    objects.push_back(Object(GraphKind::Ellipse, 4, {{30.5, 12.25}, {20, 25}}));
    objects.push_back(Object(GraphKind::Spot, 1, {{25.5, 15.5}}));
    objects.push_back(Object(GraphKind::Spot, 2, {{50, 20}}));
    return objects;
}

constexpr double kScaleX = 2.7;
constexpr double kScaleY = 3.3;

std::uint64_t Checksum(const TDibPicture& picture)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (const std::uint8_t byte : picture.bits)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

bool Inked(const TDibPicture& picture, int x, int y) { return picture.PixelAt(x, y) == kInk; }

TEST(OverlayPainter, ObjectsInsideThePictureKeepTheirPixels)
{
    TDibPicture picture = TDibPicture::Blank(160, 120);
    PaintOverlayObjects(picture, ObjectsInside(), kScaleX, kScaleY);
    // The pixels these objects have always had; a change here moves what
    // users see on every overlay picture.
    EXPECT_EQ(Checksum(picture), 4358915091915105738ull);
}

TEST(OverlayPainter, ASmallPictureShowsExactlyThePartOfALargerOne)
{
    TDibPicture large = TDibPicture::Blank(160, 120);
    PaintOverlayObjects(large, ObjectsInside(), kScaleX, kScaleY);
    TDibPicture small = TDibPicture::Blank(61, 47);  // the edges cut through most objects
    PaintOverlayObjects(small, ObjectsInside(), kScaleX, kScaleY);
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x)
            ASSERT_EQ(small.PixelAt(x, y), large.PixelAt(x, y)) << x << ", " << y;
}

TEST(OverlayPainter, ALineReachingFarOutsideIsDrawnAllTheWayAcrossThePicture)
{
    Objects objects;
    objects.push_back(Object(GraphKind::Line, 1, {{2, 5}, {5.0e6, 5}}));
    objects.push_back(Object(GraphKind::Line, 1, {{-4.0e6, -4.0e6}, {4.0e6, 4.0e6}}));
    TDibPicture picture = TDibPicture::Blank(64, 64);
    PaintOverlayObjects(picture, objects, 2, 2);
    for (int x = 4; x < 64; ++x)
        EXPECT_TRUE(Inked(picture, x, 10)) << "row 10 at " << x;
    for (int i = 0; i < 64; ++i)
        EXPECT_TRUE(Inked(picture, i, i)) << "diagonal at " << i;
}

// The extremes a map file can hold: coordinates near the largest 6-byte
// real, and a long pen stroke jumping between the origin and 1e9.
std::string HostileMapFile()
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 20, 20, 100}, DefaultTerrainPalette());
    const double far = Real48::largest();
    net.Overlays.push_back(Object(GraphKind::Line, 1, {{3, 3}, {far, 3}}));
    net.Overlays.push_back(Object(GraphKind::Line, 255, {{-far, -far}, {far, -far}}));
    net.Overlays.push_back(Object(GraphKind::Ellipse, 2, {{-far, -far}, {far, far}}));
    net.Overlays.push_back(Object(GraphKind::Spot, 1, {{far, -far}}));
    auto stroke = Object(GraphKind::Pen, 1, {});
    for (int i = 0; i < 2000; ++i) {
        const double at = i % 2 == 0 ? 0 : 1.0e9;
        stroke->Points.push_back({Real48::fromDouble(at), Real48::fromDouble(at)});
    }
    net.Overlays.push_back(std::move(stroke));
    const auto bytes = net.SaveToBytes();
    return {bytes.begin(), bytes.end()};
}

TEST(OverlayPainter, AMapWithFarAwayObjectsLoadsAndPaintsWhatFallsInThePicture)
{
    TNet net;
    std::istringstream file(HostileMapFile());
    NullProgress quiet;
    ASSERT_TRUE(net.LoadFromStream(file, quiet));
    ASSERT_EQ(net.Overlays.size(), 5u);
    TDibPicture picture = TDibPicture::Blank(190, 190);
    PaintOverlayObjects(picture, net.Overlays, 10, 10);  // 19 squares across
    for (int x = 30; x < 190; ++x)
        EXPECT_TRUE(Inked(picture, x, 30)) << "the line east at " << x;
    for (int i = 0; i < 190; ++i)
        EXPECT_TRUE(Inked(picture, i, i)) << "the stroke at " << i;
    EXPECT_FALSE(Inked(picture, 100, 20));
}

}  // namespace
}  // namespace tarn
