#include "controls/Animate.h"
#include "controls/GlobeStrip.h"
#include "tests/common/QtPrinters.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// Three 10 x 12 frames: red, green, blue.
QImage ThreeFrames()
{
    QImage strip(30, 12, QImage::Format_RGB32);
    QPainter painter(&strip);
    painter.fillRect(0, 0, 10, 12, Qt::red);
    painter.fillRect(10, 0, 10, 12, Qt::green);
    painter.fillRect(20, 0, 10, 12, Qt::blue);
    return strip;
}

class AnimatedTest : public ::testing::Test {
protected:
    AnimatedTest()
    {
        animated.resize(10, 30);
        animated.SetBitMap(ThreeFrames());
        animated.SetFrameCount(3);
    }
    QColor Shown() { return animated.grab().toImage().pixelColor(5, 6); }

    TAnimated animated;
};

TEST_F(AnimatedTest, StripSetsHeightAndFrameChoosesItsSlice)
{
    EXPECT_EQ(animated.size(), QSize(10, 12));
    EXPECT_EQ(Shown(), QColor(Qt::red));
    animated.SetFrame(2);
    EXPECT_EQ(Shown(), QColor(Qt::blue));
    animated.SetBitMap(QImage());
    EXPECT_EQ(animated.height(), 30);
    EXPECT_EQ(Shown(), QColor(Qt::white));
}

TEST_F(AnimatedTest, FrameWrapsAndNegativeMeansLast)
{
    QSignalSpy changes(&animated, &TAnimated::ChangeFrame);
    animated.SetFrame(4);
    EXPECT_EQ(animated.Frame(), 1);
    animated.SetFrame(-1);
    EXPECT_EQ(animated.Frame(), 2);
    animated.SetFrame(5);
    EXPECT_EQ(changes.size(), 2);
}

TEST_F(AnimatedTest, TimerRunsOnlyWhilePlayingWithAnInterval)
{
    animated.SetPlay(true);
    EXPECT_FALSE(animated.Ticking());
    animated.SetInterval(5);
    EXPECT_TRUE(animated.Ticking());
    animated.SetPlay(false);
    EXPECT_FALSE(animated.Ticking());
}

TEST_F(AnimatedTest, WithoutLoopPlayingStopsAtTheEnd)
{
    animated.SetLoop(false);
    animated.SetInterval(1);
    animated.SetPlay(true);
    QTRY_VERIFY(!animated.Play());
    EXPECT_EQ(animated.Frame(), 2);

    animated.SetReverse(true);
    animated.SetFrame(1);
    animated.SetPlay(true);
    QTRY_VERIFY(!animated.Play());
    EXPECT_EQ(animated.Frame(), 0);
}

TEST_F(AnimatedTest, LoopingPlaysOnPastTheLastFrame)
{
    QSignalSpy changes(&animated, &TAnimated::ChangeFrame);
    animated.SetInterval(1);
    animated.SetPlay(true);
    QTRY_VERIFY(changes.size() >= 4);
    EXPECT_TRUE(animated.Play());
    EXPECT_EQ(changes.at(2).at(0).toInt(), 0);
}

TEST_F(AnimatedTest, TransparentColourShowsTheControlColour)
{
    QPalette palette = animated.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    animated.setPalette(palette);
    animated.SetTransparentColor(0x0000FF);  // red, in the low byte
    EXPECT_EQ(Shown(), QColor(1, 2, 3));
    animated.SetFrame(1);
    EXPECT_EQ(Shown(), QColor(Qt::green));
}

TEST(GlobeStripTest, FramesTurnTheGlobeOnBlack)
{
    const QImage strip = MakeGlobeStrip(48, 30);
    ASSERT_EQ(strip.size(), QSize(48 * 30, 48));
    EXPECT_EQ(strip.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(strip.pixelColor(48 * 29 + 47, 47), QColor(Qt::black));
    EXPECT_NE(strip.pixelColor(24, 24), QColor(Qt::black));
    const QImage first = strip.copy(0, 0, 48, 48);
    const QImage middle = strip.copy(48 * 15, 0, 48, 48);
    EXPECT_NE(first, middle);
}

}  // namespace
}  // namespace tarn
