#include "MainWindowFixture.h"

#include "controls/FlEdit.h"
#include "tests/editor/CanvasUser.h"

#include <QAction>
#include <QRadioButton>

namespace tarn::test {
namespace {

class HeightToolsTest : public MainWindowFixture {
protected:
    int Height(int column, int row) { return Net().GetPoint(column + row * Columns() + 1)->Height; }
    void SetHeight(int column, int row, int height)
    {
        Net().GetPoint(column + row * Columns() + 1)->Height = static_cast<std::int16_t>(height);
    }
    QAction& UndoItem() { return *window.findChild<QAction*>("Undo"); }

    // The user's part of one Set Height dialog: an action, then the height typed.
    static std::function<void(QWidget&)> Answer(const char* radio, const QString& height, const char* button = "OK")
    {
        return [=](QWidget& modal) {
            QTest::mouseClick(modal.findChild<QRadioButton*>(radio), Qt::LeftButton);
            if (!height.isEmpty())
                TypeInto(*modal.findChild<TFloatEdit*>("HeightEdit"), height);
            ClickButton(modal, button);
        };
    }
};

TEST_F(HeightToolsTest, SpotHeightAsksForTheClickedNode)
{
    Click("SpotButton");
    QString info;
    OnNextModal([&](QWidget& modal) {
        info = modal.findChild<QLabel*>("InfoLabel")->text();
        Answer("HeightRadio", "123")(modal);
    });
    ClickAt(Net(), NodePixel(Net(), 3, 5));
    EXPECT_EQ(info, "Grid Point 3,45");
    EXPECT_EQ(Height(3, 5), 123);
    EXPECT_EQ(Height(3, 4), kNullHeight);
    EXPECT_TRUE(UndoItem().isEnabled());
    EXPECT_TRUE(Net().Modified());
}

TEST_F(HeightToolsTest, CancelLeavesTheMapAlone)
{
    Click("SpotButton");
    OnNextModal(Answer("HeightRadio", "77", "Cancel"));
    ClickAt(Net(), NodePixel(Net(), 2, 2));
    EXPECT_EQ(Height(2, 2), kNullHeight);
    EXPECT_FALSE(UndoItem().isEnabled());
    EXPECT_FALSE(Net().Modified());
}

TEST_F(HeightToolsTest, DefaultHeightIsZeroBeforeAnyDialog)
{
    Click("DefaultSpotButton");
    ClickAt(Net(), NodePixel(Net(), 7, 8));
    EXPECT_EQ(Height(7, 8), 0);
    EXPECT_TRUE(UndoItem().isEnabled());
}

TEST_F(HeightToolsTest, SetToNullLeavesTheDefaultHeightAlone)
{
    Click("SpotButton");
    OnNextModal(Answer("HeightRadio", "40"));
    ClickAt(Net(), NodePixel(Net(), 1, 1));
    OnNextModal(Answer("NullRadio", {}));
    ClickAt(Net(), NodePixel(Net(), 1, 1));
    EXPECT_EQ(Height(1, 1), kNullHeight);
    Click("DefaultSpotButton");
    ClickAt(Net(), NodePixel(Net(), 9, 9));
    EXPECT_EQ(Height(9, 9), 40);
}

TEST_F(HeightToolsTest, AreaLevelCoversTheSameNodesDraggedEitherWay)
{
    Click("LevelButton");
    OnNextModal(Answer("HeightRadio", "25"));
    DragThrough(Net(), {NodePixel(Net(), 2, 3), NodePixel(Net(), 4, 4), NodePixel(Net(), 6, 7)});
    const auto forward = Net().Points();
    Choose("Edit1", "Undo");
    OnNextModal(Answer("HeightRadio", "25"));
    DragThrough(Net(), {NodePixel(Net(), 6, 7), NodePixel(Net(), 3, 3), NodePixel(Net(), 2, 3)});
    EXPECT_EQ(Net().Points(), forward);
    int levelled = 0;
    for (int row = 0; row < 51; ++row)
        for (int column = 0; column < 51; ++column)
            levelled += Height(column, row) == 25;
    EXPECT_EQ(levelled, 5 * 5);
    EXPECT_EQ(Height(2, 3), 25);
    EXPECT_EQ(Height(6, 7), 25);
}

TEST_F(HeightToolsTest, UndoAfterAreaLevelRestoresEveryNodeAndDisablesUndo)
{
    for (int column = 0; column < 10; ++column)
        SetHeight(column, 2, column * 3);
    const auto before = Net().Points();
    Click("LevelButton");
    OnNextModal([](QWidget& modal) {
        QTest::mouseClick(modal.findChild<QRadioButton*>("AddRadio"), Qt::LeftButton);
        TypeInto(*modal.findChild<TFloatEdit*>("ActionHeight"), "7");
        QTest::keyClick(modal.findChild<TFloatEdit*>("ActionHeight"), Qt::Key_Return);
    });
    DragThrough(Net(), {NodePixel(Net(), 0, 1), NodePixel(Net(), 9, 4)});
    EXPECT_EQ(Height(4, 2), 19);
    EXPECT_EQ(Height(4, 3), kNullHeight);  // Null stays Null under Add
    EXPECT_EQ(Net().UndoList().size(), 10u * 4u);
    ASSERT_TRUE(UndoItem().isEnabled());
    Choose("Edit1", "Undo");
    EXPECT_EQ(Net().Points(), before);
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(HeightToolsTest, AreaDialogTakesTheMapsNumberFormat)
{
    window.CreateMap(MapUnits::MicroMetric, 30, 30, 10);
    Click("LevelButton");
    OnNextModal([](QWidget& modal) {
        auto& height = *modal.findChild<TFloatEdit*>("HeightEdit");
        EXPECT_EQ(height.maxLength(), 6);
        EXPECT_EQ(height.Digits(), 1);
        Answer("HeightRadio", "12.3")(modal);
    });
    DragThrough(Net(), {NodePixel(Net(), 1, 1), NodePixel(Net(), 2, 2)});
    EXPECT_EQ(Height(2, 2), 123);
}

}  // namespace
}  // namespace tarn::test
