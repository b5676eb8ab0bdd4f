#include "RenderFixture.h"

#include "viewer/render/PreviewNet.h"

#include <gtest/gtest.h>

namespace tarn::test {
namespace {

TEST(PreviewNet, StartsAsA21By21GridThatIsNotReady)
{
    TPreviewNet preview;
    EXPECT_EQ(preview.PointCount(), 441);
    EXPECT_EQ(preview.SquareCount(), 400);
    EXPECT_EQ(preview.MapHeader.ViewAngle, 3.0);
    EXPECT_FALSE(preview.Ready());
    EXPECT_FALSE(preview.Paint());
}

TEST(PreviewNet, SamplesTheMapWithTheSmallestStepThatFitsUnder22Nodes)
{
    EXPECT_EQ(TPreviewNet::SamplingStep(100, 60), 5);
    EXPECT_EQ(TPreviewNet::SamplingStep(21, 21), 1);
    EXPECT_EQ(TPreviewNet::SamplingStep(22, 20), 2);
    EXPECT_EQ(TPreviewNet::SamplingStep(500, 500), 23);

    TViewNet map;
    CreateMap(map, {MapUnits::Metric, 100, 60, 25}, DefaultTerrainPalette());
    for (int i = 1; i <= map.PointCount(); ++i)
        map.GetPoint(i)->Height = static_cast<std::int16_t>(i);
    map.UpdateSquares();
    map.GetSquare(4 * 99 + 5)->Terrain = 3;
    map.MapHeader.SkyColour = RGB(1, 2, 3);
    map.MapHeader.CameraPos = {10, 20, 30};

    TPreviewNet preview;
    preview.BuildFrom(map);
    ASSERT_TRUE(preview.Ready());
    EXPECT_EQ(preview.MapHeader.Columns, 20);
    EXPECT_EQ(preview.MapHeader.Rows, 12);
    EXPECT_EQ(preview.MapHeader.Spacing, 125);
    EXPECT_EQ(preview.PointCount(), 240);
    // Preview node (r, c) takes map node (5r - 1) * 100 + 5c.
    EXPECT_EQ(preview.GetPoint(1)->Height, 4 * 100 + 5);
    EXPECT_EQ(preview.GetPoint(2 * 20 + 3)->Height, (5 * 3 - 1) * 100 + 15);
    // Preview square (1, 1) takes map square 4 * 99 + 5.
    EXPECT_EQ(preview.GetSquare(1)->Terrain, 3);
    // The scene settings come along.
    EXPECT_EQ(preview.MapHeader.SkyColour, RGB(1, 2, 3));
    EXPECT_EQ(preview.MapHeader.CameraPos, map.MapHeader.CameraPos);
}

TEST(PreviewNet, PaintsPlainWithoutGridWhenCameraAndTargetDiffer)
{
    TViewNet map;
    MakeFlatMap(map);
    map.MapHeader.GridMode = 0;
    TPreviewNet preview;
    preview.BuildFrom(map);
    TOffscreenContext context(64, 48);
    preview.InitContext();
    preview.SetViewSize(64, 48);
    EXPECT_TRUE(preview.Paint());
    EXPECT_EQ(preview.MapHeader.DrawingScheme, kSchemePlain);
    EXPECT_EQ(preview.MapHeader.GridMode, 2);
    EXPECT_EQ(preview.MapHeader.BackgroundType, 141);
    preview.MapHeader.TargetPos = preview.MapHeader.CameraPos;
    EXPECT_FALSE(preview.Paint());
}

}  // namespace
}  // namespace tarn::test
