#include "model/edits/UndoList.h"

#include "tests/model/edits/EditTestMap.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(UndoList, AValueSavedTwiceGetsTheOldestBack)
{
    TNet net;
    test::MakeEditMap(net);
    TUndoList undo;
    undo.AddTerrain(2, 2, 0);
    undo.AddTerrain(2, 2, 7);  // saved again after the first change
    undo.AddHeight(4, 4, 11);
    undo.AddHeight(4, 4, 12);
    ApplyUndo(net, undo);
    EXPECT_EQ(test::TerrainAt(net, 2, 2), 0);
    EXPECT_EQ(test::HeightAt(net, 4, 4), 11);
    EXPECT_EQ(undo.size(), 4u);  // the list keeps its records
}

TEST(UndoList, RecordsOutsideTheGridAreSkipped)
{
    TNet net;
    test::MakeEditMap(net);
    const auto points = net.Points();
    const auto squares = net.Squares();
    TUndoList undo;
    undo.AddHeight(20, 0, 5);   // one column beyond
    undo.AddHeight(0, -1, 5);
    undo.AddTerrain(0, 1, 3);   // squares count from 1
    undo.AddTerrain(20, 1, 3);  // 19 square columns
    ApplyUndo(net, undo);
    EXPECT_EQ(net.Points(), points);
    EXPECT_EQ(net.Squares(), squares);
}

TEST(UndoList, RestoredHeightsRecomputeTheSquaresAround)
{
    TNet net;
    test::MakeEditMap(net);
    test::FillHeights(net, {0, 0, 19, 19}, 10);
    net.UpdateSquares();
    TUndoList undo;
    undo.AddHeight(5, 5, 30);
    ApplyUndo(net, undo);
    for (const auto& [column, row] : {std::pair{5, 5}, {6, 5}, {5, 6}, {6, 6}})
        EXPECT_EQ(SquareAt(net, column, row)->MeanHeight, 15) << column << "," << row;
    EXPECT_EQ(SquareAt(net, 7, 7)->MeanHeight, 10);
}

}  // namespace
}  // namespace tarn
