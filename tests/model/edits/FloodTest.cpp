#include "model/edits/Flood.h"

#include "model/edits/UndoList.h"
#include "tests/model/edits/EditTestMap.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::FillHeights;
using test::TerrainAt;

// A 20 x 20 map at height 100 with a basin of level squares 2..6 by 2..6
// (nodes 1..6) at height 50, and an unconnected plateau at 50 elsewhere.
class FloodTest : public ::testing::Test {
protected:
    FloodTest()
    {
        test::MakeEditMap(net);
        FillHeights(net, {0, 0, 19, 19}, 100);
        FillHeights(net, {1, 1, 6, 6}, 50);
        FillHeights(net, {12, 12, 15, 15}, 50);
        net.UpdateSquares();
    }

    int WaterSquares()
    {
        int count = 0;
        for (const auto& square : net.Squares())
            count += square.Terrain == kWaterTerrain;
        return count;
    }

    void ExpectFailure(int column, int row, const char* message)
    {
        const auto squares = net.Squares();
        undo.AddHeight(0, 0, 1);
        const auto records = undo.size();
        try {
            Flood(net, undo, column, row);
            ADD_FAILURE() << "no failure for " << message;
        } catch (const EAbortFlood& failure) {
            EXPECT_STREQ(failure.what(), message);
        }
        EXPECT_EQ(WaterSquares(), 0);
        EXPECT_EQ(undo.size(), records);
    }

    TNet net;
    TUndoList undo;
};

TEST_F(FloodTest, TheBasinBecomesWaterAndThePlateauStaysDry)
{
    EXPECT_EQ(Flood(net, undo, 4, 4), 25);
    EXPECT_EQ(TerrainAt(net, 2, 2), kWaterTerrain);
    EXPECT_EQ(TerrainAt(net, 6, 6), kWaterTerrain);
    EXPECT_EQ(TerrainAt(net, 1, 1), 0);  // a rim square, not level
    EXPECT_EQ(TerrainAt(net, 14, 14), 0);
    EXPECT_EQ(WaterSquares(), 25);
}

TEST_F(FloodTest, AreasTouchingAtACornerAreNotJoined)
{
    FillHeights(net, {6, 6, 9, 9}, 50);  // squares 7..9 by 7..9 share node (6, 6) with the basin
    FillHeights(net, {5, 7, 5, 7}, 100);
    FillHeights(net, {7, 5, 7, 5}, 100);
    net.UpdateSquares();
    Flood(net, undo, 3, 3);
    EXPECT_EQ(TerrainAt(net, 6, 6), kWaterTerrain);
    EXPECT_EQ(TerrainAt(net, 8, 8), 0);
}

TEST_F(FloodTest, ForestAndRoadBlockWhileSnowAndUserTerrainsFlood)
{
    for (int row = 2; row <= 6; ++row)
        SquareAt(net, 4, row)->Terrain = row % 2 ? 2 : 4;  // a wall of Forest and Road
    SquareAt(net, 2, 2)->Terrain = 7;                       // Snow
    SquareAt(net, 3, 3)->Terrain = 19;                      // a user terrain
    Flood(net, undo, 2, 5);
    EXPECT_EQ(TerrainAt(net, 2, 2), kWaterTerrain);
    EXPECT_EQ(TerrainAt(net, 3, 3), kWaterTerrain);
    EXPECT_EQ(TerrainAt(net, 4, 3), 2);
    EXPECT_EQ(TerrainAt(net, 4, 4), 4);
    EXPECT_EQ(TerrainAt(net, 5, 4), 0);
}

TEST_F(FloodTest, ALevelForestStartDoesNothing)
{
    SquareAt(net, 4, 4)->Terrain = 2;
    undo.AddHeight(0, 0, 1);
    EXPECT_EQ(Flood(net, undo, 4, 4), 0);
    EXPECT_EQ(WaterSquares(), 0);
    EXPECT_EQ(undo.size(), 1u);  // the earlier operation can still be undone
}

TEST_F(FloodTest, FailuresLeaveTheMapUnchanged)
{
    ExpectFailure(0, 4, msg::InvalidTerrainPolygon);
    ExpectFailure(4, 20, msg::InvalidTerrainPolygon);
    ExpectFailure(1, 1, msg::FloodStartNotLevel);
    FillHeights(net, {16, 1, 18, 3}, kNullHeight);
    net.UpdateSquares();
    ExpectFailure(18, 3, msg::FloodStartNull);
}

TEST_F(FloodTest, MeanHeightsAreBroughtUpToDateFirst)
{
    FillHeights(net, {1, 1, 6, 6}, 60);  // squares not recomputed by the caller
    EXPECT_EQ(Flood(net, undo, 4, 4), 25);
}

TEST_F(FloodTest, UndoTakesTheFloodBackEvenAfterAStroke)
{
    // A stroke painted Sand on a basin square before the flood; undoing the
    // flood must not put that Sand back in the lake, nor leave water.
    undo.AddTerrain(3, 3, 9);
    const auto before = net.Squares();
    Flood(net, undo, 4, 4);
    EXPECT_EQ(undo.size(), 25u);
    ApplyUndo(net, undo);
    EXPECT_EQ(net.Squares(), before);
}

TEST_F(FloodTest, SquaresAlreadyWaterAreNotRecorded)
{
    SquareAt(net, 3, 3)->Terrain = kWaterTerrain;
    EXPECT_EQ(Flood(net, undo, 4, 4), 24);
    EXPECT_EQ(undo.size(), 24u);
}

TEST(FloodLevelTest, OnlyFourEqualCornersAreLevel)
{
    TNet net;
    test::MakeEditMap(net);
    FillHeights(net, {0, 0, 19, 19}, 10);
    EXPECT_TRUE(SquareIsLevel(net, *SquareAt(net, 5, 5)));
    test::SetHeightAt(net, 5, 5, 11);  // the lower right corner of square (5, 5)
    EXPECT_FALSE(SquareIsLevel(net, *SquareAt(net, 5, 5)));
    EXPECT_FALSE(SquareIsLevel(net, *SquareAt(net, 6, 6)));  // its upper left corner
    EXPECT_TRUE(SquareIsLevel(net, *SquareAt(net, 7, 7)));
}

}  // namespace
}  // namespace tarn
