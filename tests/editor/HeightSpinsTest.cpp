#include "MainWindowFixture.h"

#include "editor/Notifications.h"

#include <QSpinBox>

namespace tarn::test {
namespace {

class HeightSpinsTest : public MainWindowFixture {
protected:
    HeightSpinsTest() { ShowTab("TabSheet1"); }

    QSpinBox& MaxSpin() { return Find<QSpinBox>("MaxHeightSpin"); }
    QSpinBox& MinSpin() { return Find<QSpinBox>("MinHeightSpin"); }
    QString Legend(int row) { return LabelText(qPrintable(QString("HeightLabel%1").arg(row))); }
};

TEST_F(HeightSpinsTest, TheLegendStartsFromZeroToAThousand)
{
    EXPECT_EQ(Legend(1), "924+");
    EXPECT_EQ(Legend(2), "858:923");
    EXPECT_EQ(Legend(15), "0:65");
    EXPECT_EQ(Legend(16), "Null");
}

TEST_F(HeightSpinsTest, ATypedMaximumCountsWhenEnterIsPressed)
{
    TypeInto(MaxSpin(), "2500");
    EXPECT_EQ(Net().BandMax, 1000);  // nothing happens while typing
    QTest::keyClick(&MaxSpin(), Qt::Key_Return);
    EXPECT_EQ(MaxSpin().value(), 2500);
    EXPECT_EQ(Net().BandMax, 2500);
    EXPECT_EQ(Legend(1), "2324+");
}

TEST_F(HeightSpinsTest, ATypedMaximumCountsWhenTheFieldIsLeft)
{
    TypeInto(MaxSpin(), "2500");
    QTest::mouseClick(&MinSpin(), Qt::LeftButton);
    EXPECT_EQ(MaxSpin().value(), 2500);
    EXPECT_EQ(Net().BandMax, 2500);
}

TEST_F(HeightSpinsTest, TheHundredUnitGapIsKeptOnceEditingEnds)
{
    TypeInto(MaxSpin(), "50");
    QTest::keyClick(&MaxSpin(), Qt::Key_Return);
    EXPECT_EQ(MaxSpin().value(), 100);
    EXPECT_EQ(Net().BandMax, 100);
    EXPECT_EQ(Legend(1), "84+");

    TypeInto(MaxSpin(), "2000");
    QTest::keyClick(&MaxSpin(), Qt::Key_Return);
    TypeInto(MinSpin(), "1950");
    QTest::keyClick(&MinSpin(), Qt::Key_Return);
    EXPECT_EQ(MinSpin().value(), 1900);
    EXPECT_EQ(Net().BandMin, 1900);
}

TEST_F(HeightSpinsTest, TheArrowKeysStepAHundredAndKeepTheGap)
{
    QTest::keyClick(&MaxSpin(), Qt::Key_Up);
    EXPECT_EQ(Net().BandMax, 1100);
    TypeInto(MinSpin(), "1000");
    QTest::keyClick(&MinSpin(), Qt::Key_Return);
    EXPECT_EQ(MinSpin().value(), 1000);
    QTest::keyClick(&MaxSpin(), Qt::Key_Down);
    EXPECT_EQ(MaxSpin().value(), 1100);
    EXPECT_EQ(Net().BandMax, 1100);
}

TEST_F(HeightSpinsTest, BandRangeNotificationMovesTheSpins)
{
    Net().BandMin = 200;
    Net().BandMax = 3200;
    Net().Notify(kBandRangeChanged);
    EXPECT_EQ(MinSpin().value(), 200);
    EXPECT_EQ(MaxSpin().value(), 3200);
    EXPECT_EQ(Legend(15), "200:399");
}

TEST_F(HeightSpinsTest, AFlatMapGetsAHundredUnitsOfBandsAroundItsHeight)
{
    const QString path = folder.filePath("flat.lem");
    WriteMap(path, 30, 30, 5);
    window.LoadMap(path);
    EXPECT_EQ(Net().BandMin, -45);
    EXPECT_EQ(Net().BandMax, 55);
    EXPECT_EQ(MaxSpin().value() - MinSpin().value(), 100);
    QStringList legend;
    for (int row = 1; row <= 15; ++row)
        legend << Legend(row);
    EXPECT_EQ(legend.removeDuplicates(), 0) << legend.join(' ').toStdString();
    EXPECT_EQ(Legend(1), "39+");
    EXPECT_EQ(Legend(15), "-45:-40");
}

}  // namespace
}  // namespace tarn::test
