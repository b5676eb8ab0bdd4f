#include "MainWindowFixture.h"

#include "controls/HelpWindow.h"
#include "tests/common/AccessibleNames.h"
#include "tests/editor/CanvasUser.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

namespace tarn::test {
namespace {

// The user's part of one Interpolation Parameters dialog.
using DialogAnswer = std::function<void(QWidget& dialog)>;

DialogAnswer PressOk()
{
    return [](QWidget& dialog) { ClickButton(dialog, "Button1"); };
}

template <typename Widget>
Widget& In(QWidget& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(name);
    if (widget == nullptr)
        throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
}

// Clicks a check box or radio button on its indicator, at its left end.
void Tick(QWidget& dialog, const char* name)
{
    auto& box = In<QAbstractButton>(dialog, name);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
}

class InterpolateToolTest : public MainWindowFixture {
protected:
    InterpolateToolTest() { Click("InterpolateButton"); }

    int Height(int column, int row) { return Net().GetPoint(column + row * Columns() + 1)->Height; }
    void SetHeight(int column, int row, int height)
    {
        Net().GetPoint(column + row * Columns() + 1)->Height = static_cast<std::int16_t>(height);
    }
    QAction& UndoItem() { return *window.findChild<QAction*>("Undo"); }

    // Drags the rubber rectangle from one node to another, answering the
    // dialog that comes up on release.
    void Interpolate(QPoint fromNode, QPoint toNode, DialogAnswer answer)
    {
        OnNextModal(std::move(answer));
        DragThrough(Net(), {NodePixel(Net(), fromNode.x(), fromNode.y()),
                            NodePixel(Net(), (fromNode.x() + toNode.x()) / 2, (fromNode.y() + toNode.y()) / 2),
                            NodePixel(Net(), toNode.x(), toNode.y())});
    }

    // Known heights of the plane 100 + 10 column + 5 row on the edge of a
    // rectangle of nodes; the inside stays Null.
    static int Plane(int column, int row) { return 100 + 10 * column + 5 * row; }
    void KnownPlaneEdge(int left, int top, int right, int bottom)
    {
        for (int column = left; column <= right; ++column)
            for (int row = top; row <= bottom; ++row)
                if (column == left || column == right || row == top || row == bottom)
                    SetHeight(column, row, Plane(column, row));
    }

    int CountNull(int left, int top, int right, int bottom)
    {
        int count = 0;
        for (int column = left; column <= right; ++column)
            for (int row = top; row <= bottom; ++row)
                count += Height(column, row) == kNullHeight ? 1 : 0;
        return count;
    }
};

TEST_F(InterpolateToolTest, DialogOpensWithTheNearestNeighbourSettingsAndCancelChangesNothing)
{
    KnownPlaneEdge(2, 2, 8, 8);
    Interpolate({2, 2}, {8, 8}, [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Interpolation Parameters");
        EXPECT_TRUE(In<QRadioButton>(dialog, "NearestRadio").isChecked());
        EXPECT_TRUE(In<QCheckBox>(dialog, "SpeedCheck").isChecked());
        EXPECT_TRUE(In<QCheckBox>(dialog, "GradientCheck").isChecked());
        EXPECT_FALSE(In<QCheckBox>(dialog, "ExtrapolateCheck").isChecked());
        EXPECT_EQ(In<QSpinBox>(dialog, "Taughtness1Spin").value(), 1);
        EXPECT_EQ(In<QSpinBox>(dialog, "Taughtness2Spin").value(), 8);
        EXPECT_EQ(In<QSpinBox>(dialog, "MinHeightSpin").value(), 0);
        EXPECT_EQ(In<QSpinBox>(dialog, "MinHeightSpin").minimum(), -1000);
        EXPECT_EQ(In<QSpinBox>(dialog, "MinHeightSpin").maximum(), 10000);
        EXPECT_FALSE(In<QCheckBox>(dialog, "TrendCheck").isEnabled());
        EXPECT_FALSE(In<QCheckBox>(dialog, "SmoothingCheck").isEnabled());
        ClickButton(dialog, "Cancel");
    });
    EXPECT_EQ(CountNull(3, 3, 7, 7), 25);
    EXPECT_FALSE(UndoItem().isEnabled());
    EXPECT_FALSE(Net().Modified());
    EXPECT_TRUE(messages.empty());
}

TEST_F(InterpolateToolTest, MethodRadiosEnableTheirOwnControls)
{
    Interpolate({2, 2}, {8, 8}, [](QWidget& dialog) {
        Tick(dialog, "TrendRadio");
        for (const char* name : {"SpeedCheck", "GradientCheck", "ExtrapolateCheck", "Taughtness1Spin", "Taughtness2Spin",
                                 "TaughtnessLabel1", "TaughtnessLabel2"})
            EXPECT_FALSE(In<QWidget>(dialog, name).isEnabled()) << name;
        EXPECT_TRUE(In<QCheckBox>(dialog, "TrendCheck").isEnabled());
        EXPECT_TRUE(In<QCheckBox>(dialog, "SmoothingCheck").isEnabled());
        EXPECT_TRUE(In<QSpinBox>(dialog, "MinHeightSpin").isEnabled());
        Tick(dialog, "NearestRadio");
        EXPECT_TRUE(In<QSpinBox>(dialog, "Taughtness1Spin").isEnabled());
        EXPECT_TRUE(In<QWidget>(dialog, "TaughtnessLabel2").isEnabled());
        EXPECT_FALSE(In<QCheckBox>(dialog, "TrendCheck").isEnabled());
        ClickButton(dialog, "Cancel");
    });
}

TEST_F(InterpolateToolTest, HelpShowsTheInterpolationPageAndEveryFieldIsNamed)
{
    Interpolate({2, 2}, {8, 8}, [](QWidget& dialog) {
        EXPECT_EQ(UnnamedFocusableWidgets(dialog), QStringList{});
        ClickButton(dialog, "Help");
        ClickButton(dialog, "Cancel");
    });
    auto& help = Find<THelpWindow>("HelpWindow");
    EXPECT_EQ(help.CurrentTopic(), 5);
    EXPECT_TRUE(help.PageText().contains("Taughtness #2"));
}

TEST_F(InterpolateToolTest, NullNodesOfTheDraggedRectangleAreFilledAndUndoEmptiesThemAgain)
{
    KnownPlaneEdge(2, 3, 12, 9);
    SetHeight(20, 20, 500);  // known, outside the rectangle
    // Without tension at the area's edges the plane comes back exactly.
    Interpolate({2, 3}, {12, 9}, [](QWidget& dialog) {
        TypeInto(In<QSpinBox>(dialog, "Taughtness2Spin"), "0");
        ClickButton(dialog, "Button1");
    });
    ASSERT_TRUE(messages.empty()) << messages.front().toStdString();
    for (int column = 2; column <= 12; ++column)
        for (int row = 3; row <= 9; ++row)
            EXPECT_EQ(Height(column, row), Plane(column, row)) << column << "," << row;
    EXPECT_EQ(Height(13, 5), kNullHeight);
    EXPECT_EQ(Height(5, 10), kNullHeight);
    EXPECT_TRUE(UndoItem().isEnabled());
    EXPECT_TRUE(Net().Modified());

    Choose("Edit1", "Undo");
    EXPECT_EQ(CountNull(3, 4, 11, 8), 9 * 5);
    EXPECT_EQ(Height(2, 3), Plane(2, 3));
    EXPECT_EQ(Height(20, 20), 500);
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(InterpolateToolTest, EnterAcceptsAndTheSettingsStayForTheNextUse)
{
    // A plane from 100 down to 40: Minimum Height 60 raises the filled nodes below it.
    for (int column = 1; column <= 7; ++column)
        for (int row : {1, 7})
            SetHeight(column, row, 110 - 10 * column);
    Interpolate({1, 1}, {7, 7}, [](QWidget& dialog) {
        TypeInto(In<QSpinBox>(dialog, "MinHeightSpin"), "60");
        TypeInto(In<QSpinBox>(dialog, "Taughtness1Spin"), "3");
        QTest::keyClick(&In<QSpinBox>(dialog, "Taughtness1Spin"), Qt::Key_Return);
    });
    ASSERT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_NEAR(Height(3, 4), 80, 1);
    EXPECT_EQ(Height(6, 4), 60);
    EXPECT_EQ(Height(7, 1), 40);  // known heights stay as they are

    int minHeight = 0;
    int taughtness = 0;
    Interpolate({1, 1}, {7, 7}, [&](QWidget& dialog) {
        minHeight = In<QSpinBox>(dialog, "MinHeightSpin").value();
        taughtness = In<QSpinBox>(dialog, "Taughtness1Spin").value();
        ClickButton(dialog, "Cancel");
    });
    EXPECT_EQ(minHeight, 60);
    EXPECT_EQ(taughtness, 3);
}

TEST_F(InterpolateToolTest, ASingleNodeIsTooSmallAndTwoNodesAreEnough)
{
    SetHeight(4, 4, 200);
    Interpolate({5, 4}, {5, 4}, PressOk());
    EXPECT_EQ(messages, std::vector<QString>{"E0016 Interpolation area too small"});
    EXPECT_EQ(Height(5, 4), kNullHeight);
    EXPECT_FALSE(Net().Modified());

    // One known node is all the hull there is: only Extrapolate reaches past it.
    messages.clear();
    Interpolate({4, 4}, {5, 4}, [](QWidget& dialog) {
        Tick(dialog, "ExtrapolateCheck");
        ClickButton(dialog, "Button1");
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Height(5, 4), 200);
}

TEST_F(InterpolateToolTest, HeightsAboveTheBandRangeWidenIt)
{
    auto& maxSpin = Find<QSpinBox>("MaxHeightSpin");
    ASSERT_LT(maxSpin.value(), 1500);
    for (int row = 1; row <= 11; ++row) {
        SetHeight(1, row, 100);
        SetHeight(11, row, 1500);
    }
    Interpolate({1, 1}, {11, 11}, PressOk());
    ASSERT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_GT(Height(10, 5), 1000);
    EXPECT_EQ(maxSpin.value(), Net().BandMax);
    // The range takes in the highest height written, not the known 1500.
    EXPECT_GE(Net().BandMax, Height(10, 5));
    EXPECT_LT(Net().BandMax, 1500);
}

TEST_F(InterpolateToolTest, CancelInTheProgressWindowLeavesEveryHeight)
{
    window.CreateMap(MapUnits::Metric, 120, 120, 10);
    for (int column = 0; column < 120; column += 12)
        for (int row = 0; row < 120; row += 12)
            SetHeight(column, row, (column * 7 + row * 3) % 900);
    const int nullBefore = CountNull(0, 0, 119, 119);
    QString caption;
    QString activity;
    OnNextModal([&](QWidget& dialog) {
        ClickButton(dialog, "Button1");
        OnNextModal([&](QWidget& progress) {
            caption = progress.windowTitle();
            activity = In<QLabel>(progress, "ActivityLabel").text();
            ClickButton(progress, "Cancel");
        });
    });
    DragThrough(Net(), {NodePixel(Net(), 1, 1), NodePixel(Net(), 119, 119)});
    EXPECT_EQ(caption, "Interpolation");
    EXPECT_TRUE(activity == "Generating parameters" || activity == "Initializing" ||
                activity == "Calculating gradients" || activity == "Creating grid")
        << activity.toStdString();
    EXPECT_EQ(CountNull(0, 0, 119, 119), nullBefore);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(UndoItem().isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(InterpolateToolTest, TrendAnalysisWithTooFewKnownNodesKeepsItsFirstRound)
{
    SetHeight(25, 25, 300);
    const int allNodes = Columns() * Columns();
    Interpolate({1, 1}, {3, 3}, [](QWidget& dialog) {
        Tick(dialog, "TrendRadio");
        ClickButton(dialog, "OK");
    });
    EXPECT_EQ(messages, std::vector<QString>{"E0019 Insuficient points for trend analysis"});
    EXPECT_LT(CountNull(0, 0, Columns() - 1, Columns() - 1), allNodes - 1) << "the first round's fills stay";
    EXPECT_EQ(Height(26, 25), 300);
    EXPECT_TRUE(UndoItem().isEnabled());
    Choose("Edit1", "Undo");
    EXPECT_EQ(CountNull(0, 0, Columns() - 1, Columns() - 1), allNodes - 1);
}

TEST_F(InterpolateToolTest, SmoothingAloneTurnsNullIntoMinusOne)
{
    SetHeight(10, 10, 90);
    Interpolate({1, 1}, {3, 3}, [](QWidget& dialog) {
        Tick(dialog, "TrendRadio");
        Tick(dialog, "TrendCheck");
        ClickButton(dialog, "OK");
    });
    ASSERT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_EQ(Height(0, 0), -1);
    EXPECT_EQ(Height(10, 10), 90);
    Choose("Edit1", "Undo");
    EXPECT_EQ(Height(0, 0), kNullHeight);
}

}  // namespace
}  // namespace tarn::test
