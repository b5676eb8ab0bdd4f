#include "NotificationRecorder.h"
#include "editor/Cursors.h"
#include "editor/DefNet.h"
#include "editor/RubberAreaTool.h"
#include "model/MapFactory.h"
#include "model/TerrainSlots.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

// Records what reaches it, to see how the canvas routes mouse events.
class TRecordingTool : public TCanvasTool {
public:
    std::vector<std::string> events;
    void MouseDown(TDefineNet&, QPoint p, Qt::MouseButton) override { Add("down", p); }
    void MouseMove(TDefineNet&, QPoint p) override { Add("move", p); }
    void MouseUp(TDefineNet&, QPoint p, Qt::MouseButton) override { Add("up", p); }
    void DoubleClick(TDefineNet&, QPoint p) override { Add("double", p); }
    void Leave(TDefineNet&) override { events.push_back("leave"); }

private:
    void Add(const char* what, QPoint p)
    {
        events.push_back(std::string(what) + " " + std::to_string(p.x()) + "," + std::to_string(p.y()));
    }
};

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest()
    {
        CreateMap(net, {MapUnits::Metric, 20, 20, 10}, DefaultTerrainPalette());
        net.SizePicture();
        net.ComputeScale();
        net.RedrawMap(true);
    }
    TRecordingTool& Record(int code)
    {
        auto tool = std::make_unique<TRecordingTool>();
        auto& ref = *tool;
        net.InstallTool(code, std::move(tool));
        net.SetTool(code, nullptr);
        return ref;
    }

    TDefineNet net;
    TNotificationRecorder windows;
};

TEST_F(CanvasTest, PictureIsColumnsTimesZoomAndScaleFitsTheLastNode)
{
    EXPECT_EQ(net.MapPicture.Size(), QSize(100, 100));
    EXPECT_EQ(net.size(), QSize(100, 100));
    EXPECT_DOUBLE_EQ(net.Scale, 100 / 19.5);
    EXPECT_EQ(net.NodeAt({99, 99}).number, 400);
}

TEST_F(CanvasTest, SpotToolsIgnorePressesOutsideThePicture)
{
    auto& spot = Record(kSpotHeightTool);
    net.MouseDown({-5, 10}, Qt::LeftButton);
    net.MouseUp({-5, 10}, Qt::LeftButton);
    EXPECT_TRUE(spot.events.empty());
    EXPECT_FALSE(net.MousePressed());
    net.MouseDown({5, 10}, Qt::LeftButton);
    net.MouseUp({5, 10}, Qt::LeftButton);
    EXPECT_EQ(spot.events, (std::vector<std::string>{"down 5,10", "up 5,10"}));
}

TEST_F(CanvasTest, AreaToolsStartTheRubberRectangleAtTheClampedEdge)
{
    net.SetTool(kLevelAreaTool, nullptr);
    auto& rubber = dynamic_cast<TRubberAreaTool&>(net.Tool(kLevelAreaTool));
    net.MouseDown({-20, 150}, Qt::LeftButton);
    EXPECT_TRUE(rubber.Active());
    EXPECT_EQ(rubber.RubberStart(), QPoint(0, 100));
    net.MouseMove({40, 30});
    EXPECT_EQ(rubber.RubberEnd(), QPoint(40, 30));
    net.MouseUp({50, 60}, Qt::LeftButton);
    EXPECT_FALSE(rubber.Active());
    EXPECT_EQ(rubber.RubberEnd(), QPoint(50, 60));
}

TEST_F(CanvasTest, TheRubberRectangleIsPaintedOverTheMapAndGoesAway)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    net.BackgroundPicture = red;
    net.RedrawMap(true);
    net.SetTool(kAreaTerrainTool, nullptr);
    net.MouseDown({20, 20}, Qt::LeftButton);
    net.MouseMove({60, 50});
    QImage shown = net.grab().toImage();
    const QRgb edge = shown.pixel(40, 20);
    EXPECT_TRUE(edge == qRgb(0, 0, 0) || edge == qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(40, 35), qRgb(255, 0, 0));
    net.MouseUp({60, 50}, Qt::LeftButton);
    shown = net.grab().toImage();
    EXPECT_EQ(shown.pixel(40, 20), qRgb(255, 0, 0));
}

TEST_F(CanvasTest, MovesReportTheNodeAndReachTheToolOnlyWhilePressed)
{
    net.GetPoint(3 + 2 * 20 + 1)->Height = 321;
    auto& tool = Record(kObjectsTool);
    const int x = static_cast<int>(3 * net.Scale);
    const int y = static_cast<int>(2 * net.Scale);
    net.MouseMove({x, y});
    EXPECT_TRUE(tool.events.empty());
    ASSERT_EQ(windows.Count(kMouseOverNode), 1);
    EXPECT_EQ(windows.received.back().first, 321);
    EXPECT_EQ(UnpackColumn(windows.received.back().second), 3);
    EXPECT_EQ(UnpackRow(windows.received.back().second), 2);
    net.MouseDown({x, y}, Qt::LeftButton);
    net.MouseMove({x + 1, y});
    net.MouseUp({x + 1, y}, Qt::LeftButton);
    net.MouseUp({x + 1, y}, Qt::LeftButton);  // a second release is not passed on
    EXPECT_EQ(tool.events.size(), 3u);
}

TEST_F(CanvasTest, SetToolLeavesTheOldToolAndSignalsTheSectionTool)
{
    auto& old = Record(kManualTraceTool);
    windows.received.clear();
    net.SetTool(kSectionTool, nullptr);
    EXPECT_EQ(old.events, (std::vector<std::string>{"leave"}));
    ASSERT_EQ(windows.Count(kSectionToolChanged), 1);
    EXPECT_EQ(windows.received.back().first, 1);
    net.SetTool(kFloodTool, nullptr);
    EXPECT_EQ(windows.received.back().first, 0);
    EXPECT_EQ(net.CurrentTool(), kFloodTool);
    // Code 0 re-applies the current tool and its popup menu.
    net.SetTool(kNoTool, nullptr);
    EXPECT_EQ(net.CurrentTool(), kFloodTool);
}

TEST(Cursors, EveryToolHasItsNamedCursor)
{
    for (const char* name : {"CAUTO", "CFLOOD", "CMANUAL", "COVER", "CRECT", "CSPOTH", "CSPOTT"}) {
        const QCursor cursor = NamedCursor(name);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << name;
        EXPECT_FALSE(cursor.pixmap().isNull()) << name;
    }
    EXPECT_EQ(NamedCursor("CNONE").shape(), Qt::ArrowCursor);
    EXPECT_EQ(ToolCursorName(kSpotHeightTool), "CSPOTH");
    EXPECT_EQ(ToolCursorName(kInterpolateTool), "CRECT");
    EXPECT_EQ(ToolCursorName(kSpotTerrainTool), "CSPOTT");
    EXPECT_EQ(ToolCursorName(kFloodTool), "CFLOOD");
    EXPECT_EQ(ToolCursorName(kSectionTool), "COVER");
    EXPECT_TRUE(ToolCursorName(kObjectsTool).isEmpty());
}

TEST_F(CanvasTest, ObjectsCursorFollowsTheShape)
{
    net.SetTool(kObjectsTool, nullptr);
    net.SetShape(1);
    EXPECT_EQ(net.cursor().shape(), Qt::ArrowCursor);
    net.SetShape(3);
    EXPECT_EQ(net.cursor().shape(), Qt::BitmapCursor);
    net.SetShape(0);
    EXPECT_EQ(net.CurrentShape(), 3);
}

TEST_F(CanvasTest, UndoRestoresHeightsAndTerrainsAndSignalsBothWays)
{
    net.GetPoint(5 + 4 * 20 + 1)->Height = 10;
    net.ClearUndo();
    net.RecordUndo({5, 4, 77, UndoRecord::kNoValue});
    net.RecordUndo({2, 3, UndoRecord::kNoValue, 6});
    net.RecordUndo({25, 4, 99, UndoRecord::kNoValue});  // outside: skipped
    EXPECT_EQ(windows.Count(kUndoAvailable), 3);
    net.UndoLast();
    EXPECT_EQ(net.GetPoint(5 + 4 * 20 + 1)->Height, 77);
    EXPECT_EQ(net.GetSquare(2 + 19 * 2)->Terrain, 6);
    EXPECT_EQ(windows.Count(kUndoUsed), 1);
    EXPECT_EQ(net.UndoList().size(), 3u);
}

TEST_F(CanvasTest, NotificationsReachEveryVisibleWindowButNotHiddenOnes)
{
    TNotificationRecorder second;
    TNotificationRecorder hidden;
    hidden.hide();
    net.Notify(kBandRangeChanged);
    EXPECT_EQ(windows.Count(kBandRangeChanged), 1);
    EXPECT_EQ(second.Count(kBandRangeChanged), 1);
    EXPECT_EQ(hidden.Count(kBandRangeChanged), 0);
}

TEST_F(CanvasTest, RedrawOfARectangleRedrawsOnlyTilesNearIt)
{
    CreateMap(net, {MapUnits::Metric, 300, 300, 10}, DefaultTerrainPalette());
    net.SizePicture();
    net.ComputeScale();
    net.RedrawMap(true);
    const QRgb before = net.MapPicture.Pixel(10, 10);
    EXPECT_EQ(before, qRgb(255, 255, 255));
    net.MapPicture.Pixel(1400, 1400);  // draw a far tile too
    const auto tiles = net.MapPicture.CachedTiles();
    net.GetPoint(2 + 2 * 300 + 1)->Height = 500;
    net.RedrawMap(false, {3, 3, 3, 3});
    EXPECT_EQ(net.MapPicture.CachedTiles(), tiles - 1);
    EXPECT_NE(net.MapPicture.Pixel(static_cast<int>(2 * net.Scale), static_cast<int>(2 * net.Scale)),
              qRgb(255, 255, 255));
}

TEST_F(CanvasTest, AnEmptyMapHasNoNodesAndNoPicture)
{
    net.Clear();
    net.SizePicture();
    EXPECT_FALSE(net.HasGrid());
    EXPECT_EQ(net.MapPicture.Size(), QSize(0, 0));
    EXPECT_EQ(net.NodeAt({3, 3}).number, -1);
    EXPECT_EQ(net.SquareAt({3, 3}).number, -1);
    net.MouseMove({3, 3});  // must not touch the missing grid
    EXPECT_EQ(windows.Count(kMouseOverNode), 0);
}

}  // namespace
}  // namespace tarn
