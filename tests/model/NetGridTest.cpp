#include "TestMaps.h"

#include "model/Errors.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

TEST(NetGrid, TwentyByTwentyMapHasItsNodesAndSquaresNumberedRowByRow)
{
    TNet net;
    MakeMap(net, 20, 20);
    EXPECT_EQ(net.PointCount(), 400);
    EXPECT_EQ(net.SquareCount(), 361);
    EXPECT_EQ(net.GetSquare(1)->FirstCorner, 1);
    EXPECT_EQ(net.GetSquare(20)->FirstCorner, 21);  // second row of squares starts at node 21
    EXPECT_EQ(net.GetSquare(361)->FirstCorner, 19 * 20 - 1);
    const TGridSquare fresh = *net.GetSquare(5);
    EXPECT_EQ(fresh.Terrain, 0);
    EXPECT_EQ(fresh.NullCorner, 0);
    EXPECT_EQ(fresh.MeanHeight, -1001);
    EXPECT_EQ(net.AddedPoints(), 400);
    EXPECT_EQ(net.AddedSquares(), 361);
}

TEST(NetGrid, OutOfRangeIndexesGiveNothingAndChangeNothing)
{
    TNet net;
    MakeMap(net, 20, 20);
    EXPECT_EQ(net.GetPoint(0), nullptr);
    EXPECT_EQ(net.GetPoint(401), nullptr);
    EXPECT_NE(net.GetPoint(400), nullptr);
    EXPECT_EQ(net.GetSquare(0), nullptr);
    EXPECT_EQ(net.GetSquare(-3), nullptr);
    EXPECT_EQ(net.GetSquare(362), nullptr);
    EXPECT_FALSE(net.CopySquare(362).has_value());
    net.PutPoint(401, {1, 2, 3});
    net.PutSquare(0, {});
    EXPECT_EQ(net.PointCount(), 400);
    auto copy = net.CopySquare(7);
    ASSERT_TRUE(copy);
    copy->Terrain = 5;
    EXPECT_EQ(net.GetSquare(7)->Terrain, 0);  // a copy, not the square itself
}

TEST(NetGrid, SquareStatsCountNullCornersInTheMean)
{
    const auto stats = SquareStats(100, 200, -1001, 300);
    EXPECT_EQ(stats.NullCorner, 1);
    EXPECT_EQ(stats.MeanHeight, static_cast<std::int16_t>(-100));  // (100 + 200 - 1001 + 300) / 4 = -100.25
    EXPECT_EQ(SquareStats(1, 2, 2, 1).MeanHeight, 2);  // 1.5 rounds to the even 2
    EXPECT_EQ(SquareStats(1, 2, 1, 1).MeanHeight, 1);  // 1.25
    EXPECT_EQ(SquareStats(3, 2, 2, 3).MeanHeight, 2);  // 2.5 rounds to the even 2
    EXPECT_EQ(SquareStats(0, 0, 0, 0).NullCorner, 0);
}

TEST(NetGrid, UpdateSquaresReadsTheFourCornersInOrder)
{
    TNet net;
    MakeMap(net, 20, 20);
    // Square 1 has the corners 1, 2, 22 and 21.
    net.GetPoint(1)->Height = 10;
    net.GetPoint(2)->Height = 20;
    net.GetPoint(22)->Height = 30;
    net.GetPoint(21)->Height = 40;
    net.UpdateSquares();
    EXPECT_EQ(net.GetSquare(1)->MeanHeight, 25);
    EXPECT_EQ(net.GetSquare(1)->NullCorner, 0);
    EXPECT_EQ(net.GetSquare(2)->NullCorner, 1);  // shares nodes 2 and 22, but 3 and 23 are null
}

TEST(NetGrid, MapScaleOfATinyImperialMapRaisesTheShortSideToOne)
{
    TNet net;
    net.MapHeader.MapUnits = 0;
    net.MapHeader.ExtentX = 3;
    net.MapHeader.ExtentY = 3;
    net.ComputeMapScale();
    EXPECT_EQ(net.MapHeader.ShortSide, 1);
    EXPECT_EQ(net.MapHeader.UnitScale, 17600);
    net.MapHeader.MapUnits = 1;
    net.ComputeMapScale();
    EXPECT_EQ(net.MapHeader.UnitScale, 3333);
}

TEST(NetGrid, MapScaleUsesTheShorterSideAndSurvivesAZeroExtent)
{
    TNet net;
    net.MapHeader.MapUnits = 1;
    net.MapHeader.ExtentX = 100;  // 10 km
    net.MapHeader.ExtentY = 25;   // 2.5 km: round(2.5) is the even 2
    net.ComputeMapScale();
    EXPECT_EQ(net.MapHeader.UnitScale, 400);
    EXPECT_EQ(net.MapHeader.ShortSide, 2);
    net.MapHeader.ExtentY = 0;
    net.ComputeMapScale();
    EXPECT_EQ(net.MapHeader.UnitScale, 32767);
    EXPECT_EQ(net.MapHeader.ShortSide, 1);
}

TEST(NetGrid, NewMapGeometryFollowsTheUnits)
{
    TNet net;
    MakeMap(net, 51, 51, MapUnits::Metric, 200);  // 10 km square
    EXPECT_EQ(net.MapHeader.ExtentX, 100);
    EXPECT_EQ(net.MapHeader.UnitScale, 100);
    EXPECT_EQ(net.MapHeader.WorldWidth, 990);  // round(100 * 0.1 * (100 - 1))
    EXPECT_EQ(net.GetCorner(TNet::EastNorth), (TWorldPoint{500, 500}));
    EXPECT_EQ(net.GetCorner(TNet::WestSouth), (TWorldPoint{-500, -500}));
    EXPECT_EQ(net.GetWorldSize(), (TWorldPoint{1000, 1000}));
    EXPECT_DOUBLE_EQ(net.HorizontalScale(), 990.0 / (51 * 200));

    MakeMap(net, 51, 51, MapUnits::Imperial, 600);  // 30000 ft = 5.68 miles
    EXPECT_EQ(net.MapHeader.ExtentX, 57);
    MakeMap(net, 51, 51, MapUnits::MicroMetric, 10.7);
    EXPECT_EQ(net.MapHeader.ExtentX, 5350);
    EXPECT_EQ(net.MapHeader.Spacing, 10);  // the spacing field holds whole units
}

TEST(NetGrid, BuildPointsStepsByNodesSoTheLastNodeFallsShortOfTheEastBound)
{
    TNet net;
    MakeMap(net, 20, 20);
    const int half = net.MapHeader.WorldWidth / 2;  // 250
    EXPECT_EQ(net.GetPoint(1)->X, -half);
    EXPECT_EQ(net.GetPoint(1)->Y, half);                 // row 1 is the northern edge
    EXPECT_EQ(net.GetPoint(20)->X, -250 + 19 * 25);       // step 500 / 20
    EXPECT_EQ(net.GetPoint(400)->Y, 250 - 19 * 25);
    EXPECT_EQ(net.GetPoint(400)->Height, kNullHeight);
    EXPECT_EQ(net.MapHeader.Bounds[2].toDouble(), half);
}

TEST(NetGrid, CreateMapRefusesGridsOutsideTheLimitsAndKeepsTheOldMap)
{
    TNet net;
    MakeMap(net, 20, 20);
    net.GetPoint(5)->Height = 77;
    const auto refuse = [&](int columns, int rows, const char* code) {
        try {
            MakeMap(net, columns, rows);
            ADD_FAILURE() << columns << " x " << rows << " was accepted";
        } catch (const ETarnError& error) {
            EXPECT_EQ(error.code(), code);
        }
    };
    refuse(19, 21, "E0006");
    refuse(501, 500, "E0005");
    refuse(40000, 2, "E0004");  // a side the file cannot hold
    EXPECT_EQ(net.GetPoint(5)->Height, 77);
    EXPECT_EQ(net.PointCount(), 400);
    EXPECT_NO_THROW(MakeMap(net, 500, 500));
    EXPECT_EQ(net.PointCount(), 250000);
}
