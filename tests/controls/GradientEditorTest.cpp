#include "controls/GradientEditor.h"
#include "tests/common/QtPrinters.h"

#include "controls/Chart.h"
#include "controls/GradImage.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

constexpr TColorRef Grey(int value)
{
    return RGB(value, value, value);
}

// An editor laid out at a size where the graph has room to be dragged in.
class GradientEditorTest : public ::testing::Test {
protected:
    GradientEditorTest()
    {
        editor.resize(500, 320);
        editor.show();
        graph = editor.findChild<TChart*>("GradientGraph");
        schemes = editor.findChild<QComboBox*>("GradientTypeComboBox");
    }

    void ChooseScheme(const QString& name)
    {
        const int index = schemes->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        editor.GradientTypeComboBoxChange(index);
    }
    // Mouse position over the point at x = 0.05 k, at graph value y.
    QPoint At(int k, double y) { return graph->PositionOf({0.05 * k, y}).toPoint(); }
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(graph->viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(graph->viewport(), to);
        QTest::mouseRelease(graph->viewport(), Qt::LeftButton, Qt::NoModifier, to);
    }

    TGradientEditor editor;
    TChart* graph = nullptr;
    QComboBox* schemes = nullptr;
};

TEST_F(GradientEditorTest, CarriesTheNamedControls)
{
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->SeriesCount(), 3);
    for (int series = 1; series <= 3; ++series)
        EXPECT_EQ(graph->PointCount(series), 19);
    EXPECT_EQ(graph->Point(1, 19).x(), 0.05 * 18);
    EXPECT_EQ(graph->XMax(), 0.9);
    EXPECT_EQ(graph->YMin(), -50);
    EXPECT_EQ(graph->YMax(), 305);
    ASSERT_NE(schemes, nullptr);
    EXPECT_EQ(schemes->count(), 13);
    EXPECT_EQ(schemes->itemText(12), "Mono Gradient (down)");
    EXPECT_TRUE(editor.findChild<QRadioButton*>("RedGradient")->isChecked());
    auto* button = editor.findChild<QPushButton*>("GradientColorBut");
    EXPECT_EQ(button->text(), "Set Single Colour");
    EXPECT_EQ(button->toolTip(), "Set colour for selected item");
    EXPECT_NE(editor.findChild<TGradientImage*>("GradImage"), nullptr);
}

TEST_F(GradientEditorTest, LoadFillsTheCurvesAndRebuildKeepsAllButColour19)
{
    TGradient gradient{};
    for (int k = 0; k < 20; ++k)
        gradient[static_cast<std::size_t>(k)] = RGB(10 * k, 5 * k, 255 - 10 * k);
    editor.Load(gradient);
    EXPECT_EQ(graph->Point(1, 4).y(), 30);
    EXPECT_EQ(graph->Point(2, 4).y(), 15);
    EXPECT_EQ(graph->Point(3, 4).y(), 225);
    EXPECT_EQ(editor.Gradient(), gradient);
    editor.RebuildGradient();
    for (int k = 0; k < 19; ++k)
        EXPECT_EQ(editor.Gradient()[static_cast<std::size_t>(k)], gradient[static_cast<std::size_t>(k)]) << k;
    EXPECT_EQ(editor.Gradient()[19], kBlack);
}

TEST_F(GradientEditorTest, MonoGivesNineteenGreysAndBlackLast)
{
    ChooseScheme("Mono");
    for (int k = 0; k < 19; ++k)
        EXPECT_EQ(editor.Gradient()[static_cast<std::size_t>(k)], 0xCCCCCCu) << k;
    EXPECT_EQ(editor.Gradient()[19], kBlack);
}

TEST_F(GradientEditorTest, MonoGradientUpStopsShortOfWhite)
{
    ChooseScheme("Mono Gradient (up)");
    EXPECT_EQ(editor.Gradient()[0], kBlack);
    EXPECT_EQ(editor.Gradient()[18], Grey(241));
    EXPECT_EQ(editor.Gradient()[19], kBlack);
    ChooseScheme("Mono Gradient (down)");
    EXPECT_EQ(editor.Gradient()[0], Grey(255));
    EXPECT_EQ(editor.Gradient()[18], Grey(13));  // trunc(255 / 19)
}

TEST_F(GradientEditorTest, SchemesFollowTheirFormulas)
{
    ChooseScheme("Red-Green-Blue");
    EXPECT_EQ(editor.Gradient()[0], RGB(0, 0, 255));
    // k = 9, t = 9/19: rises 172.7, peaks 254.6, falls 187.6.
    EXPECT_EQ(editor.Gradient()[9], RGB(172, 254, 187));
    ChooseScheme("Green-Red-Blue");
    EXPECT_EQ(editor.Gradient()[9], RGB(254, 172, 187));
    ChooseScheme("Winter");
    EXPECT_EQ(editor.Gradient()[0], RGB(153, 153, 0));
    EXPECT_EQ(editor.Gradient()[15], Grey(229));
    ChooseScheme("Desert");
    EXPECT_EQ(editor.Gradient()[0], RGB(168, 219, 61));
    ChooseScheme("Summer");
    EXPECT_EQ(editor.Gradient()[0], RGB(0, 119, 0));
    EXPECT_EQ(editor.Gradient()[7], RGB(0, 178, 0));
    // k = 13, t = 13/19: red and blue 47.2, green 176.5.
    EXPECT_EQ(editor.Gradient()[13], RGB(47, 176, 47));
    ChooseScheme("Polar");
    EXPECT_EQ(editor.Gradient()[18], Grey(229));
    for (int scheme = 0; scheme < 13; ++scheme) {
        editor.GradientTypeComboBoxChange(scheme);
        EXPECT_EQ(editor.Gradient()[19], kBlack) << scheme;
    }
}

TEST_F(GradientEditorTest, SingleColourSetsEveryPointAndCancelChangesNothing)
{
    QColor offered;
    editor.SetColourChooser([&](const QColor& initial) -> std::optional<QColor> {
        offered = initial;
        return QColor(255, 0, 0);
    });
    ChooseScheme("Mono");
    QTest::mouseClick(editor.findChild<QPushButton*>("GradientColorBut"), Qt::LeftButton);
    EXPECT_EQ(offered, QColor(204, 204, 204));
    for (int k = 0; k < 19; ++k)
        EXPECT_EQ(editor.Gradient()[static_cast<std::size_t>(k)], 0x0000FFu) << k;
    EXPECT_EQ(editor.Gradient()[19], kBlack);

    editor.SetColourChooser([](const QColor&) { return std::optional<QColor>(); });
    editor.GradientColorButClick();
    EXPECT_EQ(editor.Gradient()[5], 0x0000FFu);
}

TEST_F(GradientEditorTest, DraggingAGreenPointClampsToTheChannelRange)
{
    ChooseScheme("Mono");
    QTest::mouseClick(editor.findChild<QRadioButton*>("GreenGradient"), Qt::LeftButton);
    EXPECT_EQ(editor.GradientChannel(), 2);

    Drag(At(5, 204), QPoint(At(5, 0).x(), 0));
    EXPECT_EQ(graph->Point(2, 6).y(), 255);
    EXPECT_EQ(editor.Gradient()[5], RGB(204, 255, 204));
    EXPECT_FALSE(editor.Dragging());

    Drag(At(5, 255), QPoint(At(5, 0).x(), graph->height() - 1));
    EXPECT_EQ(graph->Point(2, 6).y(), 0);
    EXPECT_EQ(editor.Gradient()[5], RGB(204, 0, 204));
    // Only the dragged point of the chosen channel moved.
    EXPECT_EQ(editor.Gradient()[4], 0xCCCCCCu);
}

TEST_F(GradientEditorTest, DraggingFollowsTheMouseBetweenTheLimits)
{
    ChooseScheme("Mono");
    QTest::mousePress(graph->viewport(), Qt::LeftButton, Qt::NoModifier, At(10, 204));
    EXPECT_EQ(editor.DragPoint(), 11);
    EXPECT_EQ(editor.DragX(), 0.5);
    // The drag keeps to its point even when the mouse drifts sideways.
    QTest::mouseMove(graph->viewport(), At(12, 100));
    EXPECT_NEAR(graph->Point(1, 11).y(), 100, 2);
    EXPECT_EQ(graph->Point(1, 13).y(), 204);
    EXPECT_EQ(graph->Point(1, 11).x(), 0.5);
    // Nothing is rebuilt before the release.
    EXPECT_EQ(editor.Gradient()[10], 0xCCCCCCu);
    QTest::mouseRelease(graph->viewport(), Qt::LeftButton, Qt::NoModifier, At(12, 100));
    EXPECT_NEAR(RedOf(editor.Gradient()[10]), 100, 2);
}

TEST_F(GradientEditorTest, PressOutsideTheXRangeStartsNoDrag)
{
    ChooseScheme("Mono");
    const QPoint left(graph->PositionOf({-0.02, 100}).toPoint());
    QTest::mousePress(graph->viewport(), Qt::LeftButton, Qt::NoModifier, left);
    EXPECT_EQ(editor.DragPoint(), -1);
    EXPECT_FALSE(editor.Dragging());
    QTest::mouseMove(graph->viewport(), At(0, 20));
    QTest::mouseRelease(graph->viewport(), Qt::LeftButton, Qt::NoModifier, At(0, 20));
    for (int k = 0; k < 19; ++k)
        EXPECT_EQ(editor.Gradient()[static_cast<std::size_t>(k)], 0xCCCCCCu) << k;
}

TEST_F(GradientEditorTest, RebuildSignalsAndRepaintsTheStrip)
{
    int changes = 0;
    QObject::connect(&editor, &TGradientEditor::GradientChanged, [&] { ++changes; });
    ChooseScheme("Mono Gradient (up)");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(editor.GradImage()->Gradient(), editor.Gradient());
}

TEST(GradientStripTest, TopRowShowsColour18AndColour19NeverShows)
{
    TGradient gradient{};
    for (int k = 0; k < 19; ++k)
        gradient[static_cast<std::size_t>(k)] = Grey(10 * k);
    gradient[19] = RGB(255, 0, 0);
    const QImage strip = GradientStripImage(gradient, QSize(5, 36));
    EXPECT_EQ(strip.pixelColor(0, 0), QColor(180, 180, 180));
    EXPECT_EQ(strip.pixelColor(4, 0), QColor(180, 180, 180));
    // Row 18 of 36: p = 9, colour 9 exactly; row 27: p = 4.5, halfway.
    EXPECT_EQ(strip.pixelColor(2, 18), QColor(90, 90, 90));
    EXPECT_EQ(strip.pixelColor(2, 27), QColor(45, 45, 45));
    // The last row blends colours 0 and 1: p = 0.5.
    EXPECT_EQ(strip.pixelColor(2, 35), QColor(5, 5, 5));
    for (int y = 0; y < 36; ++y)
        EXPECT_EQ(qRed(strip.pixel(0, y)), qGreen(strip.pixel(0, y))) << y;
}

TEST(GradientColourTest, TruncatesAndKeepsEachChannelInItsByte)
{
    EXPECT_EQ(GradientColour(204.9, 0.99, 255), 0xFF00CCu);
    // A channel beyond 255 must not spill into its neighbour.
    EXPECT_EQ(GradientColour(300, -4, 12.5), 0x0C00FFu);
}

TEST(GradientStripTest, EmptyPictureDrawsNothing)
{
    EXPECT_TRUE(GradientStripImage(TGradient{}, QSize(10, 0)).isNull());
}

}  // namespace
}  // namespace tarn
