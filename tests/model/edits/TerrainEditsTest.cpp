#include "model/edits/TerrainEdits.h"

#include "model/edits/UndoList.h"
#include "tests/model/edits/EditTestMap.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::TerrainAt;

TEST(TerrainEdits, AStrokeOverFiveSquaresAndBackUndoesToTheTerrainsBefore)
{
    TNet net;
    test::MakeEditMap(net);
    for (int column = 1; column <= 5; ++column)
        SquareAt(net, column, 2)->Terrain = static_cast<std::int16_t>(10 + column);
    TUndoList undo;
    for (const int column : {1, 2, 3, 4, 5, 4, 3})
        ASSERT_TRUE(PaintSquare(net, undo, column, 2, 7));
    EXPECT_EQ(undo.size(), 7u);
    ApplyUndo(net, undo);
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(TerrainAt(net, column, 2), 10 + column) << column;
}

TEST(TerrainEdits, PaintingOutsideTheGridDoesNothing)
{
    TNet net;
    test::MakeEditMap(net);
    TUndoList undo;
    EXPECT_FALSE(PaintSquare(net, undo, 0, 1, 7));
    EXPECT_FALSE(PaintSquare(net, undo, 1, 20, 7));
    EXPECT_TRUE(undo.empty());
}

TEST(TerrainEdits, AreaPaintsEverySquareOnceLimitedToTheGrid)
{
    TNet net;
    test::MakeEditMap(net);
    TUndoList undo;
    undo.AddTerrain(1, 1, 4);  // from an earlier operation
    const TGridRange painted = PaintArea(net, undo, {17, 3, 25, 4}, 9);
    EXPECT_EQ(painted, (TGridRange{17, 3, 19, 4}));
    EXPECT_EQ(undo.size(), 6u);
    EXPECT_EQ(TerrainAt(net, 19, 4), 9);
    EXPECT_EQ(TerrainAt(net, 16, 3), 0);
    EXPECT_EQ(TerrainAt(net, 17, 5), 0);
}

}  // namespace
}  // namespace tarn
