#include "model/edits/HeightEdits.h"

#include "model/edits/UndoList.h"
#include "tests/model/edits/EditTestMap.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::FillHeights;
using test::HeightAt;
using test::SetHeightAt;

class HeightEdits : public ::testing::Test {
protected:
    HeightEdits() { test::MakeEditMap(net); }

    TNet net;
    TUndoList undo;
    THeightMemory memory;
};

TEST_F(HeightEdits, SpotHeightSavesTheOldHeightAndUpdatesTheSquares)
{
    FillHeights(net, {0, 0, 1, 1}, 8);
    undo.AddHeight(9, 9, 1);  // left from an earlier edit
    ASSERT_TRUE(SetSpotHeight(net, undo, 1, 1, {THeightAction::SetHeight, 0}, 12, memory));
    EXPECT_EQ(HeightAt(net, 1, 1), 12);
    ASSERT_EQ(undo.size(), 1u);
    EXPECT_EQ(undo[0], (UndoRecord{1, 1, 8, UndoRecord::kNoValue}));
    EXPECT_EQ(SquareAt(net, 1, 1)->MeanHeight, 9);  // (8 + 8 + 12 + 8) / 4
    EXPECT_EQ(SquareAt(net, 1, 1)->NullCorner, 0);
}

TEST_F(HeightEdits, OutsideTheGridNothingHappens)
{
    undo.AddHeight(2, 2, 5);
    EXPECT_FALSE(SetSpotHeight(net, undo, 20, 0, {}, 12, memory));
    EXPECT_FALSE(SetDefaultHeight(net, undo, -1, 0, memory));
    EXPECT_EQ(undo.size(), 1u);
}

TEST_F(HeightEdits, DefaultHeightIsZeroUntilAHeightWasSet)
{
    ASSERT_TRUE(SetDefaultHeight(net, undo, 3, 4, memory));
    EXPECT_EQ(HeightAt(net, 3, 4), 0);
    SetSpotHeight(net, undo, 0, 0, {THeightAction::SetHeight, 0}, 42, memory);
    SetDefaultHeight(net, undo, 5, 5, memory);
    EXPECT_EQ(HeightAt(net, 5, 5), 42);
    EXPECT_EQ(undo.size(), 1u);
}

TEST_F(HeightEdits, AreaLevelCoversTheRectangleInEitherCornerOrder)
{
    TNet other;
    test::MakeEditMap(other);
    TUndoList otherUndo;
    LevelArea(net, undo, OrderedRange(2, 3, 5, 7), {THeightAction::SetHeight, 0}, 30, memory);
    LevelArea(other, otherUndo, OrderedRange(5, 7, 2, 3), {THeightAction::SetHeight, 0}, 30, memory);
    EXPECT_EQ(net.Points(), other.Points());
    EXPECT_EQ(undo.size(), 4u * 5u);
    EXPECT_EQ(HeightAt(net, 2, 3), 30);
    EXPECT_EQ(HeightAt(net, 5, 7), 30);
    EXPECT_EQ(HeightAt(net, 6, 7), kNullHeight);
    EXPECT_EQ(HeightAt(net, 5, 8), kNullHeight);
}

TEST_F(HeightEdits, AreaAddLeavesNullNodesNullAndSetFillsThem)
{
    SetHeightAt(net, 1, 1, 5);
    LevelArea(net, undo, {0, 0, 2, 2}, {THeightAction::SubtractHeight, 10}, 0, memory);
    EXPECT_EQ(HeightAt(net, 1, 1), -5);
    EXPECT_EQ(HeightAt(net, 0, 0), kNullHeight);
    LevelArea(net, undo, {0, 0, 2, 2}, {THeightAction::SetHeight, 0}, 17, memory);
    EXPECT_EQ(HeightAt(net, 0, 0), 17);
    EXPECT_EQ(HeightAt(net, 1, 1), 17);
}

TEST_F(HeightEdits, AreaLevelIsLimitedToTheGrid)
{
    const TGridRange visited = LevelArea(net, undo, {17, 17, 40, 40}, {THeightAction::SetHeight, 0}, 3, memory);
    EXPECT_EQ(visited, (TGridRange{17, 17, 19, 19}));
    EXPECT_EQ(undo.size(), 9u);
}

TEST(HeightEditsMicroMetric, AddKeepsTheDecimalOfEachNode)
{
    // Adding 1 m to 12.3 m gives 13.3 m; the node's decimal is not dropped.
    TNet net;
    test::MakeEditMap(net, MapUnits::MicroMetric);
    SetHeightAt(net, 0, 0, 123);
    SetHeightAt(net, 1, 0, -57);
    TUndoList undo;
    THeightMemory memory;
    LevelArea(net, undo, {0, 0, 1, 0}, {THeightAction::AddHeight, 1}, 0, memory);
    EXPECT_EQ(HeightAt(net, 0, 0), 133);
    EXPECT_EQ(HeightAt(net, 1, 0), -47);
}

TEST_F(HeightEdits, UndoAfterAnAreaLevelRestoresEveryNodeAndSquare)
{
    FillHeights(net, {0, 0, 19, 19}, 4);
    SetHeightAt(net, 3, 3, kNullHeight);
    net.UpdateSquares();
    const auto points = net.Points();
    const auto squares = net.Squares();
    LevelArea(net, undo, {1, 1, 9, 12}, {THeightAction::AddHeight, 6}, 0, memory);
    ASSERT_NE(net.Points(), points);
    ApplyUndo(net, undo);
    EXPECT_EQ(net.Points(), points);
    EXPECT_EQ(net.Squares(), squares);
}

}  // namespace
}  // namespace tarn
