#include "MainWindowFixture.h"

#include "editor/Shape.h"
#include "model/edits/Flood.h"
#include "tests/editor/CanvasUser.h"

#include <QAction>

namespace tarn::test {
namespace {

class TerrainToolsTest : public MainWindowFixture {
protected:
    TGridSquare& Square(int column, int row) { return *Net().GetSquare(column + (Columns() - 1) * (row - 1)); }
    QAction& UndoItem() { return *window.findChild<QAction*>("Undo"); }
    void ChooseTerrain(int terrain)
    {
        ShowTab("TabSheet2");
        QTest::mouseClick(&Find<TShape>(QString("TerShape%1").arg(terrain).toLatin1().constData()), Qt::LeftButton);
    }
    int WaterSquares()
    {
        int count = 0;
        for (const auto& square : Net().Squares())
            count += square.Terrain == kWaterTerrain;
        return count;
    }
    // Every node at 100, with a level basin at 50 over squares 11..20 by 11..20.
    void MakeBasin()
    {
        for (int row = 0; row < 51; ++row)
            for (int column = 0; column < 51; ++column)
                Net().GetPoint(column + row * 51 + 1)->Height = (column >= 10 && column <= 20 && row >= 10 && row <= 20) ? 50 : 100;
    }
    void FloodAt(QPoint pixel, const char* answer = "OK")
    {
        Click("LochButton");
        OnNextModal([answer](QWidget& modal) {
            EXPECT_EQ(modal.windowTitle(), "Flood fill");
            ClickButton(modal, answer);
        });
        ClickAt(Net(), pixel);
    }
};

TEST_F(TerrainToolsTest, AStrokeThereAndBackIsUndoneToTheTerrainsBefore)
{
    for (int column = 1; column <= 5; ++column)
        Square(column, 2).Terrain = static_cast<std::int16_t>(10 + column);
    ChooseTerrain(7);
    Click("TerrainButton");
    const auto at = [this](int column) { return SquarePixel(Net(), column, 2); };
    DragThrough(Net(), {at(1), at(2), at(3), at(4), at(5), at(4), at(3)});
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(Square(column, 2).Terrain, 7) << column;
    EXPECT_EQ(Net().UndoList().size(), 7u);
    ASSERT_TRUE(UndoItem().isEnabled());
    Choose("Edit1", "Undo");
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(Square(column, 2).Terrain, 10 + column) << column;
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(TerrainToolsTest, AreaTerrainPaintsTheDraggedSquaresEitherWay)
{
    ChooseTerrain(5);
    Click("AreaTerrainButton");
    DragThrough(Net(), {SquarePixel(Net(), 6, 4), SquarePixel(Net(), 3, 2)});
    int painted = 0;
    for (const auto& square : Net().Squares())
        painted += square.Terrain == 5;
    EXPECT_EQ(painted, 4 * 3);
    EXPECT_EQ(Square(3, 2).Terrain, 5);
    EXPECT_EQ(Square(6, 4).Terrain, 5);
    Choose("Edit1", "Undo");
    for (const auto& square : Net().Squares())
        ASSERT_EQ(square.Terrain, 0);
}

TEST_F(TerrainToolsTest, FloodFillsTheBasinAndUndoTakesItBack)
{
    MakeBasin();
    const auto before = Net().Squares();
    FloodAt(SquarePixel(Net(), 15, 15));
    EXPECT_EQ(WaterSquares(), 10 * 10);
    EXPECT_EQ(Square(11, 11).Terrain, kWaterTerrain);
    EXPECT_EQ(Square(10, 10).Terrain, 0);
    EXPECT_TRUE(Net().Modified());
    ASSERT_TRUE(UndoItem().isEnabled());
    Choose("Edit1", "Undo");
    EXPECT_EQ(WaterSquares(), 0);
    EXPECT_EQ(Net().Squares().size(), before.size());
}

TEST_F(TerrainToolsTest, CancellingTheQuestionFloodsNothing)
{
    MakeBasin();
    FloodAt(SquarePixel(Net(), 15, 15), "Cancel");
    EXPECT_EQ(WaterSquares(), 0);
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(TerrainToolsTest, FloodFailuresAreShownAndChangeNothing)
{
    MakeBasin();
    FloodAt(SquarePixel(Net(), 10, 12));  // on the slope of the rim
    EXPECT_EQ(WaterSquares(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].toStdString(), msg::FloodStartNotLevel);
    window.CreateMap(MapUnits::Metric, 30, 30, 10);
    FloodAt(SquarePixel(Net(), 4, 4));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].toStdString(), msg::FloodStartNull);
    EXPECT_EQ(WaterSquares(), 0);
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(TerrainToolsTest, FloodStartsAtTheSquareUnderTheClick)
{
    // The whole map level: a click in the top-left square floods it all.
    for (auto& node : Net().Points())
        node.Height = 100;
    FloodAt(SquarePixel(Net(), 1, 1));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(WaterSquares(), 50 * 50);
}

}  // namespace
}  // namespace tarn::test
