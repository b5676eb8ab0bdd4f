#include "controls/EnhTrackBar.h"
#include "tests/common/QtPrinters.h"

#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(EnhTrackBarTest, ReportsLeftPressAndReleaseAfterMovingTheSlider)
{
    TEnhTrackBar bar;
    bar.setRange(0, 100);
    bar.resize(200, 30);
    QSignalSpy downs(&bar, &TEnhTrackBar::MouseDown);
    QSignalSpy ups(&bar, &TEnhTrackBar::MouseUp);
    bool downAtPress = false;
    bool downAtRelease = true;
    QObject::connect(&bar, &TEnhTrackBar::MouseDown, [&] { downAtPress = bar.isSliderDown(); });
    QObject::connect(&bar, &TEnhTrackBar::MouseUp, [&] { downAtRelease = bar.isSliderDown(); });
    bar.show();
    const QPoint handle(bar.style()->sliderPositionFromValue(0, 100, 0, bar.width()) + 4, 15);

    QTest::mousePress(&bar, Qt::LeftButton, Qt::ShiftModifier, handle);
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, handle);
    ASSERT_EQ(downs.size(), 1);
    ASSERT_EQ(ups.size(), 1);
    EXPECT_EQ(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(downs.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(downs.at(0).at(2).toPoint(), handle);
    // The slider has handled each event before it fires.
    EXPECT_TRUE(downAtPress);
    EXPECT_FALSE(downAtRelease);
}

TEST(EnhTrackBarTest, OtherButtonsFireNothing)
{
    TEnhTrackBar bar;
    bar.resize(200, 30);
    QSignalSpy downs(&bar, &TEnhTrackBar::MouseDown);
    QSignalSpy ups(&bar, &TEnhTrackBar::MouseUp);
    QTest::mouseClick(&bar, Qt::RightButton, Qt::NoModifier, QPoint(50, 15));
    EXPECT_TRUE(downs.isEmpty());
    EXPECT_TRUE(ups.isEmpty());
}

}  // namespace
}  // namespace tarn
