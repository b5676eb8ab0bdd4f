#include "controls/Hemisphere.h"
#include "tests/common/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// A 100 x 200 hemisphere with ten rings: top view centred at (50, 66),
// ring width 4, reach R = 44; side view centred at (50, 181).
class HemisphereTest : public ::testing::Test {
protected:
    HemisphereTest()
    {
        hemisphere.resize(100, 200);
        hemisphere.SetStepCount(10);
        hemisphere.SetAzimuth(45);
        hemisphere.SetAltitude(30);
    }

    void Press(QPoint at) { QTest::mousePress(&hemisphere, Qt::LeftButton, Qt::NoModifier, at); }

    THemisphere hemisphere;
};

TEST_F(HemisphereTest, LayoutFollowsTheSize)
{
    const THemisphere::Geometry g = hemisphere.Layout();
    EXPECT_EQ(QPoint(g.cx, g.cy), QPoint(50, 66));
    EXPECT_EQ(QPoint(g.sx, g.sy), QPoint(50, 181));
    EXPECT_EQ(g.ringWidth, 4);
    EXPECT_EQ(g.radius, 44);
    hemisphere.SetAzimuthOnly(true);
    EXPECT_EQ(hemisphere.Layout().cy, 100);
    hemisphere.SetStepCount(0);
    EXPECT_EQ(hemisphere.Layout().rings, 1);
    EXPECT_EQ(hemisphere.Layout().radius, 96);
}

TEST_F(HemisphereTest, PressAtCentreGivesNorthAndZeroAltitude)
{
    QSignalSpy az(&hemisphere, &THemisphere::AzChange);
    QSignalSpy alt(&hemisphere, &THemisphere::AltChange);
    Press({50, 66});
    EXPECT_EQ(hemisphere.Azimuth(), 0);
    EXPECT_EQ(hemisphere.Altitude(), 0);
    EXPECT_EQ(az.size(), 1);
    EXPECT_EQ(alt.size(), 1);
    EXPECT_TRUE(hemisphere.Dragging());
}

TEST_F(HemisphereTest, PressNearTheRimGivesFullAltitude)
{
    // 0.96 R to the right of the centre: 1.05 * 0.96 > 1, so the arc sine saturates.
    Press({50 + 42, 66});
    EXPECT_EQ(hemisphere.Azimuth(), 90);
    EXPECT_EQ(hemisphere.Altitude(), 90);
}

TEST_F(HemisphereTest, WestAndSouthPositionsAndOutOfReachPresses)
{
    Press({50 - 20, 66});
    EXPECT_EQ(hemisphere.Azimuth(), 270);
    EXPECT_EQ(hemisphere.Altitude(), 29);  // round(asin(1.05 * 20 / 44))
    QTest::mouseMove(&hemisphere, {50, 66 + 10});
    EXPECT_EQ(hemisphere.Azimuth(), 180);
    QTest::mouseRelease(&hemisphere, Qt::LeftButton, Qt::NoModifier, {50, 76});
    EXPECT_FALSE(hemisphere.Dragging());
    QTest::mouseMove(&hemisphere, {50, 56});
    EXPECT_EQ(hemisphere.Azimuth(), 180);
    Press({50 + 45, 66});
    EXPECT_EQ(hemisphere.Azimuth(), 180);
}

TEST_F(HemisphereTest, SettersClampAltitudeAndFireOnlyOnChange)
{
    QSignalSpy alt(&hemisphere, &THemisphere::AltChange);
    hemisphere.SetAltitude(120);
    EXPECT_EQ(hemisphere.Altitude(), 90);
    hemisphere.SetAltitude(90);
    hemisphere.SetAltitude(-4);
    EXPECT_EQ(hemisphere.Altitude(), 0);
    EXPECT_EQ(alt.size(), 2);
    hemisphere.SetAzimuth(400);
    EXPECT_EQ(hemisphere.Azimuth(), 400);
}

TEST_F(HemisphereTest, LinesShowDirectionAndVanishForNoAzimuth)
{
    hemisphere.SetAzimuth(90);
    hemisphere.SetAltitude(90);
    EXPECT_EQ(hemisphere.AzimuthLineEnd(), QPoint(94, 66));
    EXPECT_EQ(hemisphere.AltitudeLineEnd(), QPoint(94, 181));
    const QImage withLines = hemisphere.grab().toImage();
    hemisphere.SetAzimuth(-1);
    const QImage without = hemisphere.grab().toImage();
    // Each line changes the pixels along its length, in its own view.
    const auto changedPixels = [&](int top, int bottom) {
        int changed = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < withLines.width(); ++x)
                changed += withLines.pixel(x, y) != without.pixel(x, y);
        return changed;
    };
    EXPECT_GE(changedPixels(0, 120), 40);
    EXPECT_GE(changedPixels(120, 200), 40);
    // Without lines the top view shows its ring's light blue under the old line.
    EXPECT_EQ(qBlue(without.pixel(60, 66)), 255);
}

TEST_F(HemisphereTest, TransparentClipsToTheTopViewDisc)
{
    hemisphere.SetTransparent(true);
    hemisphere.grab();
    EXPECT_TRUE(hemisphere.mask().contains(QPoint(50, 66)));
    EXPECT_FALSE(hemisphere.mask().contains(QPoint(2, 2)));
    EXPECT_FALSE(hemisphere.mask().contains(QPoint(50, 181)));
}

}  // namespace
}  // namespace tarn
