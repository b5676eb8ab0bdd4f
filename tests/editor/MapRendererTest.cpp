#include "editor/HeightBands.h"
#include "editor/MapPicture.h"
#include "editor/MapRenderer.h"
#include "editor/OverlayPainter.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/OverlayPixels.h"
#include "model/TerrainSlots.h"
#include "tests/common/QtPrinters.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarn {
namespace {

class MapRendererTest : public ::testing::Test {
protected:
    void MakeMap(int columns, int rows)
    {
        CreateMap(net, {MapUnits::Metric, columns, rows, 10}, DefaultTerrainPalette());
    }
    void SetHeight(int column, int row, int height)
    {
        net.GetPoint(column + row * net.MapHeader.Columns + 1)->Height = static_cast<std::int16_t>(height);
    }
    void SetTerrain(int squareColumn, int squareRow, int terrain)  // 1-based
    {
        net.GetSquare(squareColumn + (net.MapHeader.Columns - 1) * (squareRow - 1))->Terrain =
            static_cast<std::int16_t>(terrain);
    }
    QImage Render(int zoom)
    {
        const QSize size(net.MapHeader.Columns * zoom, net.MapHeader.Rows * zoom);
        settings.picture = size;
        settings.scale = size.height() / (net.MapHeader.Rows - 0.5);
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        RenderMapArea(painter, net, settings, image.rect());
        return image;
    }
    int Pixel(double steps) const { return static_cast<int>(std::nearbyint(steps * settings.scale)); }

    TNet net;
    TRenderSettings settings;
};

QRgb ColourOf(TColorRef colour)
{
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

TEST_F(MapRendererTest, NullNodesAreNotDrawnAndTheRestAreBandSquares)
{
    MakeMap(20, 20);
    SetHeight(4, 4, 500);
    const QImage image = Render(5);
    const int x = Pixel(4);
    const QRgb band = ColourOf(HeightBandColour(500, 0, 1000));
    // A 3 x 3 marker from one pixel left/above to one right/below.
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            EXPECT_EQ(image.pixel(x + dx, x + dy), band) << dx << "," << dy;
    EXPECT_EQ(image.pixel(x + 2, x), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(Pixel(8), Pixel(8)), qRgb(255, 255, 255));  // a Null node
}

TEST_F(MapRendererTest, HeightZeroIsATwoPixelDotAtEveryZoom)
{
    MakeMap(20, 20);
    SetHeight(3, 3, 0);
    const QRgb black = ColourOf(HeightBandColour(0, 0, 1000));
    for (int zoom : {5, 13, 25}) {
        const QImage image = Render(zoom);
        const int x = Pixel(3);
        EXPECT_EQ(image.pixel(x - 1, x - 1), black) << zoom;
        EXPECT_EQ(image.pixel(x, x), black) << zoom;
        EXPECT_EQ(image.pixel(x + 1, x), qRgb(255, 255, 255)) << zoom;
        EXPECT_EQ(image.pixel(x - 2, x), qRgb(255, 255, 255)) << zoom;
    }
}

TEST_F(MapRendererTest, HeightsAreWrittenAsNumbersFromScaleEighteen)
{
    MakeMap(20, 20);
    SetHeight(5, 5, 777);
    const QRgb band = ColourOf(HeightBandColour(777, 0, 1000));
    const auto countBand = [&](const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) == band;
        return count;
    };
    // Zoom 13: a solid marker of 5 x 5 pixels.
    QImage image = Render(13);
    const TMarkerSize small = MarkerSizeFor(settings.scale);
    const int size = small.half1 + small.half2;
    EXPECT_EQ(countBand(image, QRect(Pixel(5) - 10, Pixel(5) - 10, 30, 30)), size * size);
    // Zoom 18 (Scale just above 18): text, more pixels and not a square.
    image = Render(18);
    ASSERT_GE(settings.scale, kHeightTextScale);
    const TMarkerSize marker = MarkerSizeFor(settings.scale);
    const QRect textArea(Pixel(5) - marker.half1, Pixel(5) - marker.half1, 40, 20);
    int inked = 0;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y)
        for (int x = textArea.left(); x <= textArea.right(); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 10);
    EXPECT_NE(image.pixel(textArea.topLeft()), band);  // no filled square at the corner
}

TEST_F(MapRendererTest, ATwoByTwoTerrainBlockIsOneOutline)
{
    MakeMap(20, 20);
    SetTerrain(3, 3, 1);
    SetTerrain(4, 3, 1);
    SetTerrain(3, 4, 1);
    SetTerrain(4, 4, 1);
    settings.heights = false;
    const QImage image = Render(13);
    const QRgb water = ColourOf(DefaultTerrainPalette().colours[1]);
    const QRgb white = qRgb(255, 255, 255);
    // The block spans steps 2..4 each way; the inner borders lie at step 3.
    const int left = Pixel(2) + 1;
    const int middle = Pixel(3);
    const int right = Pixel(4) - 1;
    EXPECT_EQ(image.pixel(left, middle), water);   // outer left side
    EXPECT_EQ(image.pixel(right - 1, middle), water);  // outer right side
    EXPECT_EQ(image.pixel(middle, left), water);   // outer top side
    // No line along the inner borders, and the inside stays white.
    for (int along = left + 3; along < right - 3; ++along) {
        EXPECT_EQ(image.pixel(middle, along), white) << along;
        EXPECT_EQ(image.pixel(along, middle), white) << along;
    }
    // A lone square gets its own closed outline.
    SetTerrain(10, 10, 2);
    const QImage lone = Render(13);
    const QRgb forest = ColourOf(DefaultTerrainPalette().colours[2]);
    const int centre = (Pixel(9) + Pixel(10)) / 2;
    EXPECT_EQ(lone.pixel(Pixel(9) + 1, centre), forest);
    EXPECT_EQ(lone.pixel(centre, Pixel(9) + 1), forest);
    EXPECT_EQ(lone.pixel(centre, centre), white);
}

TEST_F(MapRendererTest, TilesGiveTheSamePixelsAsOneWholeDrawing)
{
    MakeMap(120, 90);
    for (int row = 0; row < 90; ++row)
        for (int column = 0; column < 120; ++column)
            if ((row * 7 + column * 3) % 5 != 0)
                SetHeight(column, row, (row * 13 + column * 29) % 1100);
    for (int row = 20; row < 40; ++row)
        for (int column = 30; column < 70; ++column)
            SetTerrain(column, row, 1 + (column / 10) % 3);
    auto line = std::make_unique<TGraphLine>();
    line->PenColour = RGB(255, 0, 0);
    line->Points = {{Real48::fromDouble(3.3), Real48::fromDouble(4.1)}, {Real48::fromDouble(100.2), Real48::fromDouble(80.7)}};
    net.Overlays.push_back(std::move(line));
    QImage background(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x)
            background.setPixel(x, y, qRgb(x * 6, y * 10, (x * y) % 256));
    settings.backgroundPicture = background;
    for (int zoom : {5, 18}) {
        const QImage whole = Render(zoom);
        TMapPicture picture([&](QPainter& painter, const QRect& area) { RenderMapArea(painter, net, settings, area); }, 4);
        picture.Resize(whole.size());
        const QImage tiled = picture.Copy(picture.Rect());
        int differing = 0;
        QPoint first(-1, -1);
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                if (tiled.pixel(x, y) != whole.pixel(x, y) && differing++ == 0)
                    first = QPoint(x, y);
        EXPECT_EQ(differing, 0) << "zoom " << zoom << " first at " << first.x() << "," << first.y();
        EXPECT_LE(picture.CachedTiles(), 4u);
    }
}

TEST_F(MapRendererTest, LayerSwitchesAndBackground)
{
    MakeMap(20, 20);
    SetHeight(4, 4, 500);
    settings.heights = false;
    QImage background(2, 2, QImage::Format_RGB32);
    background.fill(qRgb(10, 200, 30));
    settings.backgroundPicture = background;
    QImage image = Render(5);
    EXPECT_EQ(image.pixel(Pixel(4), Pixel(4)), qRgb(10, 200, 30));
    settings.background = false;
    image = Render(5);
    EXPECT_EQ(image.pixel(Pixel(4), Pixel(4)), qRgb(255, 255, 255));
}

TEST_F(MapRendererTest, AMapWithoutItsGridDrawsWhite)
{
    MakeMap(20, 20);
    SetHeight(4, 4, 500);
    net.Points().clear();  // the header still names 20 x 20
    const QImage image = Render(5);
    EXPECT_EQ(image.pixel(Pixel(4), Pixel(4)), qRgb(255, 255, 255));
}

class OverlayPainterTest : public ::testing::Test {
protected:
    OverlayPainterTest() { image.fill(Qt::white); }
    int Inked() const
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) != qRgb(255, 255, 255);
        return count;
    }
    static TGraphPoint Point(double x, double y) { return {Real48::fromDouble(x), Real48::fromDouble(y)}; }

    QImage image{60, 60, QImage::Format_RGB32};
};

TEST_F(OverlayPainterTest, SpotIsACrossCentredOnItsPoint)
{
    TGraphSpot spot;
    spot.Points = {Point(10, 10)};
    {
        QPainter painter(&image);
        DrawGraphObject(painter, spot, 2, 2);
    }
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(16, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(24, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 16), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 24), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(25, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(15, 20), qRgb(255, 255, 255));
    EXPECT_EQ(Inked(), 17);
}

TEST_F(OverlayPainterTest, LinesAndEllipsesNeedExactlyTwoPoints)
{
    QPainter painter(&image);
    TGraphLine line;
    line.Points = {Point(1, 1)};
    DrawGraphObject(painter, line, 5, 5);
    TGraphEllipse ellipse;
    ellipse.Points = {Point(1, 1), Point(5, 5), Point(8, 2)};
    DrawGraphObject(painter, ellipse, 5, 5);
    painter.end();
    EXPECT_EQ(Inked(), 0);
    painter.begin(&image);
    line.Points.push_back(Point(10, 1));
    line.PenColour = RGB(0, 0, 255);
    DrawGraphObject(painter, line, 5, 5);
    painter.end();
    EXPECT_EQ(image.pixel(25, 5), qRgb(0, 0, 255));
}

TEST_F(OverlayPainterTest, LabelWithoutTextDrawsNothingAndOneWithTextIsMeasured)
{
    TEnhString label;
    label.Font.SetFaceName("Arial");
    label.Font.SetHeight(10);
    label.X = Real48::fromDouble(2);
    label.Y = Real48::fromDouble(3);
    {
        QPainter painter(&image);
        DrawLabel(painter, label, 5, 5, 96);
    }
    EXPECT_EQ(Inked(), 0);
    label.Text = "Tarn";
    {
        QPainter painter(&image);
        DrawLabel(painter, label, 5, 5, 96);
    }
    EXPECT_GT(Inked(), 0);
    EXPECT_EQ(label.Box[0], 10);
    EXPECT_EQ(label.Box[1], 15);
    EXPECT_GT(label.Box[2], label.Box[0]);
    EXPECT_GT(label.Box[3], label.Box[1]);
    EXPECT_EQ(label.Font.Height(), 10);  // the point size stays in the record
}

// The extremes a map file can hold: points near the largest 6-byte real or
// 1e9 grid units away, and a label's font height of 2^31-1 points.
TEST_F(OverlayPainterTest, ObjectsReachingFarOutsideAreDrawnTowardsTheirPoints)
{
    const double far = Real48::largest();
    TGraphLine line;
    line.Points = {Point(2, 2), Point(far, 2)};
    TGraphPen stroke;
    for (int i = 0; i < 200; ++i)
        stroke.Points.push_back(i % 2 == 0 ? Point(0, 0) : Point(1.0e9, 1.0e9));
    TGraphEllipse ellipse;
    ellipse.Points = {Point(-far, -far), Point(far, far)};
    TGraphSpot spot;
    spot.Points = {Point(-far, far)};
    {
        QPainter painter(&image);
        for (const TGraphObject* object : std::initializer_list<const TGraphObject*>{&line, &stroke, &ellipse, &spot})
            DrawGraphObject(painter, *object, 5, 5);
    }
    for (int x = 10; x < 60; ++x)
        EXPECT_EQ(image.pixel(x, 10), qRgb(0, 0, 0)) << "the line east at " << x;
    EXPECT_EQ(image.pixel(5, 10), qRgb(255, 255, 255)) << "nothing west of the line's start";
    for (int i = 1; i < 60; ++i)
        EXPECT_EQ(image.pixel(i, i), qRgb(0, 0, 0)) << "the stroke at " << i;
}

TEST_F(OverlayPainterTest, ALabelFarAwayInAHugeFontIsPlacedThereInTheLargestFont)
{
    const double far = Real48::largest();
    TEnhString label;
    label.Font.SetFaceName("Arial");
    label.Font.SetHeight(std::numeric_limits<std::int32_t>::max());
    label.Text = "Tarn";
    label.X = Real48::fromDouble(far);
    label.Y = Real48::fromDouble(-far);
    EXPECT_EQ(LabelFont(label, 96).pixelSize(), kMaxLabelPixelHeight);
    {
        QPainter painter(&image);
        DrawLabel(painter, label, 5, 5, 96);
    }
    EXPECT_EQ(Inked(), 0);
    EXPECT_GT(label.Box[0], 1000000) << "east";
    EXPECT_LT(label.Box[1], -1000000) << "north";
    EXPECT_GT(label.Box[3] - label.Box[1], kMaxLabelPixelHeight / 2);
    EXPECT_EQ(label.Font.Height(), std::numeric_limits<std::int32_t>::max());
}

// Labels hold their text and face name in the Windows Western code page.
TEST_F(OverlayPainterTest, LabelTextAndFaceAreReadInTheWesternCodePage)
{
    TEnhString label;
    label.Font.SetFaceName("G\xE4rten Sans");
    label.Font.SetHeight(10);
    label.Text = "\xDC""ber G\xE4rten \x80";  // Über Gärten €
    const QFont font = LabelFont(label, 96);
    EXPECT_EQ(font.family(), QString::fromUtf8("G\xC3\xA4rten Sans"));
    {
        QPainter painter(&image);
        DrawLabel(painter, label, 1, 1, 96);
    }
    const QString shown = QString::fromUtf8("\xC3\x9C" "ber G\xC3\xA4rten \xE2\x82\xAC");
    EXPECT_EQ(label.Box[2] - label.Box[0], QFontMetrics(font).horizontalAdvance(shown));
}

TEST_F(OverlayPainterTest, HandlesAreEightHollowSquares)
{
    {
        QPainter painter(&image);
        DrawHandles(painter, {10, 10, 50, 40});
    }
    EXPECT_EQ(image.pixel(6, 6), qRgb(0, 0, 0));    // corner of the top-left handle
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));  // hollow
    EXPECT_EQ(image.pixel(26, 6), qRgb(0, 0, 0));   // top middle handle
    EXPECT_EQ(image.pixel(30, 25), qRgb(255, 255, 255));  // nothing in the middle
}

}  // namespace
}  // namespace tarn
