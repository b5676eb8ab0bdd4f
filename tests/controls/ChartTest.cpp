#include "controls/Chart.h"
#include "tests/common/QtPrinters.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// A 400 x 300 graph over x 0..10 and y 0..100 with one line series.
class ChartTest : public ::testing::Test {
protected:
    ChartTest()
    {
        chart.resize(400, 300);
        chart.SetXRange(0, 10);
        chart.SetYRange(0, 100);
        line = chart.AddSeries(Qt::blue, TChart::SeriesStyle::LineWithMarkers);
        for (int x = 0; x <= 10; x += 2)
            chart.AddPoint(line, x, 10.0 * x);
    }

    int MouseX(double x) { return static_cast<int>(std::lround(chart.PositionOf({x, 0}).x())); }

    TChart chart;
    int line = 0;
};

TEST_F(ChartTest, NumbersSeriesAndPointsFromOne)
{
    EXPECT_EQ(line, 1);
    EXPECT_EQ(chart.AddSeries(Qt::red, TChart::SeriesStyle::Markers), 2);
    EXPECT_EQ(chart.AddPoint(2, 1, 1), 1);
    EXPECT_EQ(chart.PointCount(line), 6);
    EXPECT_EQ(chart.Point(line, 2), QPointF(2, 20));
    EXPECT_EQ(chart.Point(line, 7), QPointF());
    EXPECT_EQ(chart.AddPoint(3, 0, 0), -1);
    chart.ClearSeries(line);
    EXPECT_EQ(chart.PointCount(line), 0);
    chart.RemoveAllSeries();
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST_F(ChartTest, FindsAndSetsPointsByX)
{
    EXPECT_EQ(chart.YAt(line, 4), 40);
    EXPECT_FALSE(chart.YAt(line, 5).has_value());
    EXPECT_TRUE(chart.SetYAt(line, 4, 77));
    EXPECT_EQ(chart.Point(line, 3), QPointF(4, 77));
    EXPECT_FALSE(chart.SetYAt(line, 5, 1));
    EXPECT_FALSE(chart.SetYAt(9, 4, 1));
    chart.SetPointY(line, 1, 5);
    EXPECT_EQ(chart.Point(line, 1), QPointF(0, 5));
}

TEST_F(ChartTest, MousePositionsAndValuesConvertBothWays)
{
    const QPointF at = chart.PositionOf({5, 50});
    const QPointF back = chart.ValueAt(at.toPoint());
    EXPECT_NEAR(back.x(), 5, 0.05);
    EXPECT_NEAR(back.y(), 50, 0.5);
    // Up the screen is up the y axis.
    EXPECT_LT(chart.PositionOf({5, 90}).y(), at.y());
    EXPECT_GT(chart.ValueAt(QPoint(at.toPoint().x(), 0)).y(), 100);
}

TEST_F(ChartTest, PointAtMouseXOnlyWithinTheXRange)
{
    EXPECT_EQ(chart.PointAtMouseX(line, MouseX(4.3)), 3);
    EXPECT_EQ(chart.PointAtMouseX(line, MouseX(0)), 1);
    EXPECT_EQ(chart.PointAtMouseX(line, MouseX(-0.5)), -1);
    EXPECT_EQ(chart.PointAtMouseX(line, MouseX(10.5)), -1);
    EXPECT_EQ(chart.PointAtMouseX(5, MouseX(4)), -1);
}

TEST_F(ChartTest, PointNearFindsTheMarkerUnderTheMouse)
{
    const QPoint marker = chart.PositionOf({6, 60}).toPoint();
    EXPECT_EQ(chart.PointNear(line, marker + QPoint(3, -3)), 4);
    EXPECT_EQ(chart.PointNear(line, marker + QPoint(0, 20)), -1);
}

TEST_F(ChartTest, SwitchesGridLinesAndTicks)
{
    EXPECT_TRUE(chart.HorizontalGridLines());
    chart.SetHorizontalGridLines(false);
    chart.SetVerticalGridLines(false);
    EXPECT_FALSE(chart.YAxis()->isGridLineVisible());
    EXPECT_FALSE(chart.XAxis()->isGridLineVisible());
    chart.SetGridColour(Qt::darkGreen);
    EXPECT_EQ(chart.XAxis()->gridLineColor(), QColor(Qt::darkGreen));
    EXPECT_EQ(chart.YAxis()->gridLineColor(), QColor(Qt::darkGreen));

    chart.SetAxesColour(Qt::red);
    const QPoint belowAxis = (chart.PositionOf({4, 0}) + QPointF(0, 3)).toPoint();
    EXPECT_EQ(chart.RenderImage().pixelColor(belowAxis), QColor(Qt::red));
    chart.SetTicksVisible(false);
    EXPECT_NE(chart.RenderImage().pixelColor(belowAxis), QColor(Qt::red));
}

TEST_F(ChartTest, RendersAtItsDisplayedSizeInItsColours)
{
    chart.SetBackgroundColour(QColor(0xC0, 0xC0, 0xC0));
    chart.SetHorizontalGridLines(false);
    chart.SetVerticalGridLines(false);
    const QImage image = chart.RenderImage();
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0xC0, 0xC0, 0xC0));
    // The series' line runs through (5, 50).
    const QPoint onLine = chart.PositionOf({5, 50}).toPoint();
    bool lineFound = false;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor colour = image.pixelColor(onLine + QPoint(dx, dy));
            lineFound = lineFound || (colour.blue() > 200 && colour.red() < 60);
        }
    EXPECT_TRUE(lineFound);
}

TEST_F(ChartTest, PrintsItselfToAPdfFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("graph.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    ASSERT_TRUE(chart.Print(printer));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
}

}  // namespace
}  // namespace tarn
