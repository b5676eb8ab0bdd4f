#include "EditTestMap.h"

#include "model/edits/HeightChanges.h"

#include <gtest/gtest.h>

namespace tarn::test {
namespace {

TEST(HeightSnapshot, RecordsOnlyTheChangedNodesOfItsRectangleAndUndoRestoresThem)
{
    TNet net;
    MakeEditMap(net);
    SetHeightAt(net, 3, 3, 40);
    SetHeightAt(net, 9, 9, 70);
    const THeightSnapshot snapshot(net, {2, 2, 5, 6});
    TUndoList list;
    list.AddHeight(0, 0, 12);  // from an earlier edit
    EXPECT_FALSE(snapshot.RecordChanges(net, list));
    EXPECT_EQ(list.size(), 1u) << "nothing changed: the earlier edit stays undoable";

    FillHeights(net, {0, 0, 19, 19}, 55);
    SetHeightAt(net, 4, 4, kNullHeight);  // was Null, is Null again: no record
    ASSERT_TRUE(snapshot.RecordChanges(net, list));
    EXPECT_EQ(list.size(), 4u * 5u - 1u);
    EXPECT_EQ(list[0], (UndoRecord{2, 2, kNullHeight, UndoRecord::kNoValue}));

    ApplyUndo(net, list);
    EXPECT_EQ(HeightAt(net, 2, 2), kNullHeight);
    EXPECT_EQ(HeightAt(net, 3, 3), 40);
    EXPECT_EQ(HeightAt(net, 5, 6), kNullHeight);
    EXPECT_EQ(HeightAt(net, 9, 9), 55) << "outside the rectangle, not recorded";
}

TEST(HeightSnapshot, ARectangleReachingPastTheGridKeepsToTheGrid)
{
    TNet net;
    MakeEditMap(net);
    const THeightSnapshot snapshot(net, {17, 17, 25, 25});
    FillHeights(net, {0, 0, 19, 19}, 8);
    TUndoList list;
    ASSERT_TRUE(snapshot.RecordChanges(net, list));
    EXPECT_EQ(list.size(), 9u);
}

}  // namespace
}  // namespace tarn::test
