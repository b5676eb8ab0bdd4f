#include "controls/Messages.h"
#include "editor/DefNet.h"
#include "editor/EditorMessages.h"
#include "editor/tools/AutoTraceTool.h"
#include "editor/tools/ManualTraceTool.h"
#include "model/MapFactory.h"
#include "model/TerrainSlots.h"
#include "tests/common/QtPrinters.h"
#include "tests/editor/CanvasUser.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace tarn {
namespace {

constexpr std::int16_t kContour = 80;
using NodeSet = std::set<std::pair<int, int>>;

// A 20 x 20 metric canvas at 5 m everywhere, tracing at density 1, with both trace tools
// installed; the height question answers from `answer` and counts its calls.
class TraceToolsTest : public ::testing::Test {
protected:
    TraceToolsTest()
    {
        CreateMap(net, {MapUnits::Metric, 20, 20, 10}, DefaultTerrainPalette());
        for (auto& point : net.Points())
            point.Height = 5;
        net.UpdateSquares();
        net.TraceDensity = 1;
        net.Zoom = 9;
        net.SizePicture();
        net.ComputeScale();
        const TContourHeightQuestion ask = [this](TDefineNet&, bool unitsFormat) {
            questions.push_back(unitsFormat);
            return answer;
        };
        net.InstallTool(kManualTraceTool, std::make_unique<TManualTraceTool>(ask));
        net.InstallTool(kAutoTraceTool, std::make_unique<TAutoTraceTool>(ask));
        net.show();
    }

    QPoint NodePixel(int column, int row) const { return test::NodePixel(net, column, row); }
    NodeSet NodesAt(std::int16_t height) const
    {
        NodeSet nodes;
        for (int i = 0; i < net.PointCount(); ++i)
            if (net.Points()[static_cast<std::size_t>(i)].Height == height)
                nodes.emplace(i % 20, i / 20);
        return nodes;
    }
    void ClickNodes(const std::vector<std::pair<int, int>>& nodes)
    {
        for (const auto& [column, row] : nodes)
            QTest::mouseClick(&net, Qt::LeftButton, {}, NodePixel(column, row));
    }
    // As the window system delivers a double click: press, release, the
    // double click in place of the second press, release.
    void DoubleClickNode(int column, int row)
    {
        const QPoint pixel = NodePixel(column, row);
        QTest::mouseClick(&net, Qt::LeftButton, {}, pixel);
        QTest::mouseDClick(&net, Qt::LeftButton, {}, pixel);
        QTest::mouseRelease(&net, Qt::LeftButton, {}, pixel);
    }

    TDefineNet net;
    std::optional<std::int16_t> answer = kContour;
    std::vector<bool> questions;
    std::vector<QString> messages;
    ScopedMessageSink sink{[this](const QString& text, const QString&) { messages.push_back(text); }};
};

TEST_F(TraceToolsTest, TwoClicksAndADoubleClickWriteTheLineAtEachDensity)
{
    net.SetTool(kManualTraceTool, nullptr);
    ClickNodes({{2, 4}});
    DoubleClickNode(5, 4);
    EXPECT_EQ(questions, std::vector<bool>{true});
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{2, 4}, {3, 4}, {4, 4}, {5, 4}}));
    EXPECT_EQ(net.UndoList().size(), 4u);
    EXPECT_TRUE(net.Modified());

    net.TraceDensity = 3;
    answer = 90;
    ClickNodes({{2, 7}});
    DoubleClickNode(5, 7);
    EXPECT_EQ(NodesAt(90), (NodeSet{{3, 7}, {5, 7}}));
    // The trace began with an empty undo list.
    EXPECT_EQ(net.UndoList().size(), 2u);
}

TEST_F(TraceToolsTest, PressAfterTheDoubleClickStartsNoNewTrace)
{
    net.SetTool(kManualTraceTool, nullptr);
    ClickNodes({{1, 1}});
    DoubleClickNode(1, 6);
    auto& tool = dynamic_cast<TManualTraceTool&>(net.Tool(kManualTraceTool));
    EXPECT_FALSE(tool.InProgress());
    ClickNodes({{9, 9}});
    EXPECT_TRUE(tool.InProgress());
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(TraceToolsTest, DraggingAddsTheNodesPassedAndARightClickFinishes)
{
    net.SetTool(kManualTraceTool, nullptr);
    QTest::mousePress(&net, Qt::LeftButton, {}, NodePixel(3, 2));
    for (int row = 3; row <= 8; ++row)
        QTest::mouseMove(&net, NodePixel(row % 2 == 0 ? 3 : 4, row));
    QTest::mouseRelease(&net, Qt::LeftButton, {}, NodePixel(3, 8));
    QTest::mouseClick(&net, Qt::RightButton, {}, NodePixel(12, 12));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{3, 2}, {4, 3}, {3, 4}, {4, 5}, {3, 6}, {4, 7}, {3, 8}}));
}

TEST_F(TraceToolsTest, CancelWritesNothingAndUndoRestoresEveryTracedNode)
{
    net.SetTool(kManualTraceTool, nullptr);
    net.GetPoint(3 + 20 * 3 + 1)->Height = kNullHeight;
    const TPntCollection before = net.Points();

    answer.reset();
    ClickNodes({{0, 3}, {6, 3}});
    DoubleClickNode(6, 9);
    EXPECT_EQ(net.Points(), before);
    EXPECT_TRUE(net.UndoList().empty());
    EXPECT_FALSE(net.Modified());

    answer = kContour;
    ClickNodes({{0, 3}, {6, 3}});
    DoubleClickNode(6, 9);
    EXPECT_EQ(NodesAt(kContour).size(), 13u);
    net.UndoLast();
    EXPECT_EQ(net.Points(), before);
}

TEST_F(TraceToolsTest, ChoosingAnotherToolFinishesTheTrace)
{
    net.SetTool(kManualTraceTool, nullptr);
    ClickNodes({{10, 10}, {10, 12}});
    net.SetTool(kSpotHeightTool, nullptr);
    EXPECT_EQ(NodesAt(kContour), (NodeSet{{10, 10}, {10, 11}, {10, 12}}));
}

// A background of the picture's own size with a dark line along one row.
QImage RowLine(QSize size, int y)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(40, 30, 20), 1));
    painter.drawLine(0, y, size.width() - 1, y);
    return picture;
}

TEST_F(TraceToolsTest, ClickOnABackgroundLineWritesTheNodesAlongIt)
{
    const int y = NodePixel(0, 6).y();
    net.BackgroundPicture = RowLine(net.MapPicture.Size(), y);
    net.SetTool(kAutoTraceTool, nullptr);
    QTest::mouseClick(&net, Qt::LeftButton, {}, QPoint(40, y));
    EXPECT_EQ(questions, std::vector<bool>{false});
    NodeSet row;
    for (int column = 0; column < 20; ++column)
        row.emplace(column, 6);
    EXPECT_EQ(NodesAt(kContour), row);
    EXPECT_EQ(net.UndoList().size(), 20u);
    net.UndoLast();
    EXPECT_TRUE(NodesAt(kContour).empty());
}

TEST_F(TraceToolsTest, ClickOnWhiteAsksNothingAndNoBackgroundSaysSo)
{
    net.SetTool(kAutoTraceTool, nullptr);
    QTest::mouseClick(&net, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(messages, std::vector<QString>{msg::NoBackgroundToTrace});
    EXPECT_TRUE(questions.empty());

    net.BackgroundPicture = RowLine(net.MapPicture.Size(), 20);
    QTest::mouseClick(&net, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(TraceToolsTest, CancelledAutomaticTraceWritesNothing)
{
    net.BackgroundPicture = RowLine(net.MapPicture.Size(), 50);
    net.SetTool(kAutoTraceTool, nullptr);
    answer.reset();
    const TPntCollection before = net.Points();
    QTest::mouseClick(&net, Qt::LeftButton, {}, QPoint(70, 50));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(net.Points(), before);
    EXPECT_TRUE(net.UndoList().empty());
}

}  // namespace
}  // namespace tarn
