#include "tests/model/TestMaps.h"

#include "model/edits/ContourTrace.h"
#include "model/edits/UndoList.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

using namespace tarn;
using namespace tarn::test;

namespace {

constexpr std::int16_t kContour = 120;

using NodeSet = std::set<std::pair<int, int>>;

// A 20 x 20 metric map whose nodes all stand at 5 m.
struct ContourTrace : ::testing::Test {
    TNet net;
    TUndoList undo;

    void SetUp() override
    {
        MakeMap(net, 20, 20);
        for (auto& point : net.Points())
            point.Height = 5;
        net.UpdateSquares();
    }
    std::int16_t& Height(int column, int row) { return net.GetPoint(column + row * 20 + 1)->Height; }
    NodeSet NodesAt(std::int16_t height) const
    {
        NodeSet nodes;
        for (int i = 0; i < net.PointCount(); ++i)
            if (net.Points()[static_cast<std::size_t>(i)].Height == height)
                nodes.emplace(i % 20, i / 20);
        return nodes;
    }
};

}  // namespace

TEST_F(ContourTrace, TwoClicksThreeColumnsApartSetFourNodesAtDensityOneAndTwoAtDensityThree)
{
    const std::vector<TGridNode> clicks{{2, 4}, {5, 4}};
    WriteManualTrace(net, undo, clicks, kContour, 1);
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{2, 4}, {3, 4}, {4, 4}, {5, 4}}));

    SetUp();
    undo.Clear();
    WriteManualTrace(net, undo, clicks, kContour, 3);
    // Counts 3 and 6: both ends are reached twice before they hold the height.
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{3, 4}, {5, 4}}));
    EXPECT_EQ(undo.size(), 2u);
}

TEST_F(ContourTrace, NodeAlreadyAtTheHeightIsNotCounted)
{
    Height(1, 0) = kContour;
    WriteManualTrace(net, undo, std::vector<TGridNode>{{0, 0}, {4, 0}}, kContour, 2);
    // Counted: (0,0) twice, (2,0), (3,0), (4,0) twice; (1,0) is passed over.
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{0, 0}, {1, 0}, {3, 0}, {4, 0}}));
    for (const UndoRecord& record : undo) {
        EXPECT_FALSE(record.column == 1 && record.row == 0);
        EXPECT_EQ(record.oldHeight, 5);
    }
}

TEST_F(ContourTrace, SteepLineRoundsHalvesToEvenAndIsTheSameDrawnEitherWay)
{
    const NodeSet expected{{5, 0}, {5, 1}, {4, 2}, {3, 3}, {3, 4}, {3, 5}, {2, 6}};
    WriteManualTrace(net, undo, std::vector<TGridNode>{{5, 0}, {2, 6}}, kContour, 1);
    EXPECT_EQ(NodesAt(kContour), expected);
    SetUp();
    WriteManualTrace(net, undo, std::vector<TGridNode>{{2, 6}, {5, 0}}, kContour, 1);
    EXPECT_EQ(NodesAt(kContour), expected);
}

TEST_F(ContourTrace, UndoRestoresEveryNodeAndSquare)
{
    Height(3, 3) = kNullHeight;
    net.UpdateSquares();
    const TPntCollection pointsBefore = net.Points();
    const TPolyCollection squaresBefore = net.Squares();
    const auto bounds =
        WriteManualTrace(net, undo, std::vector<TGridNode>{{1, 1}, {8, 3}, {8, 8}, {2, 6}}, kContour, 1);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(bounds->left, 1);
    EXPECT_EQ(bounds->top, 1);
    EXPECT_EQ(bounds->right, 8);
    EXPECT_EQ(bounds->bottom, 8);
    // The square between nodes (1,1) and (2,2) has two traced corners.
    EXPECT_EQ(net.GetSquare(2 + 19 * 1)->MeanHeight, SquareStats(kContour, kContour, 5, 5).MeanHeight);
    ASSERT_FALSE(undo.empty());
    ApplyUndo(net, undo);
    EXPECT_EQ(net.Points(), pointsBefore);
    EXPECT_EQ(net.Squares(), squaresBefore);
}

TEST_F(ContourTrace, NodesOutsideTheGridAreSkippedAndAnEmptyTraceWritesNothing)
{
    WriteManualTrace(net, undo, std::vector<TGridNode>{{17, 2}, {22, 2}}, kContour, 1);
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{17, 2}, {18, 2}, {19, 2}}));
    EXPECT_FALSE(WriteManualTrace(net, undo, {}, kContour, 1));
    EXPECT_FALSE(WriteFoundTrace(net, undo, {}, kContour, 1));
}

TEST_F(ContourTrace, FoundTraceCountsNodesThatLeaveTheLineTwice)
{
    const std::vector<TGridNode> row{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}};
    WriteFoundTrace(net, undo, row, kContour, 1);
    EXPECT_EQ(NodesAt(kContour).size(), 5u);

    SetUp();
    // (0,2) counts 1, 2; (1,2) 3; (2,2), two steps from (0,2), counts 4; (3,2)
    // 5; (4,2) counts 6 as it is two steps from (2,2).
    WriteFoundTrace(net, undo, row, kContour, 2);
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{0, 2}, {2, 2}, {4, 2}}));
}
