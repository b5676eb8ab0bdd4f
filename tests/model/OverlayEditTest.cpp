#include "model/OverlayEdit.h"

#include <gtest/gtest.h>

using namespace tarn;

namespace {

TGraphPoint Grid(double x, double y)
{
    return {Real48::fromDouble(x), Real48::fromDouble(y)};
}

struct TGridBox {
    double left, top, right, bottom;
};

// An object whose bounds and points are given in grid units.
std::unique_ptr<TGraphObject> Object(GraphKind kind, TGridBox bounds, std::vector<TGraphPoint> points = {})
{
    auto object = CreateGraphObject(static_cast<std::uint8_t>(kind));
    object->Bounds = {Real48::fromDouble(bounds.left), Real48::fromDouble(bounds.top),
                      Real48::fromDouble(bounds.right), Real48::fromDouble(bounds.bottom)};
    object->Points = std::move(points);
    return object;
}

std::vector<const TGraphObject*> Order(const TOverlayList& list)
{
    std::vector<const TGraphObject*> order;
    for (const auto& object : list)
        order.push_back(object.get());
    return order;
}

class ThreeObjects : public ::testing::Test {
protected:
    ThreeObjects()
    {
        for (int i = 0; i < 3; ++i)
            list.push_back(Object(GraphKind::Line, {1.0 * i, 1.0 * i, i + 1.0, i + 1.0}));
        a = list[0].get();
        b = list[1].get();
        c = list[2].get();
    }
    TOverlayList list;
    const TGraphObject* a;
    const TGraphObject* b;
    const TGraphObject* c;
};

}  // namespace

TEST_F(ThreeObjects, SendToBackSwapsWithTheLastSoItIsDrawnOnTop)
{
    EXPECT_TRUE(SendToBack(list, a));
    EXPECT_EQ(Order(list), (std::vector{c, b, a}));
}

TEST_F(ThreeObjects, BringToFrontSwapsWithTheFirstSoItIsDrawnUnderneath)
{
    EXPECT_TRUE(BringToFront(list, c));
    EXPECT_EQ(Order(list), (std::vector{c, b, a}));
    EXPECT_TRUE(BringToFront(list, b));
    EXPECT_EQ(Order(list), (std::vector{b, c, a}));
}

TEST_F(ThreeObjects, ObjectsNoLongerListedAreLeftAlone)
{
    const auto stranger = Object(GraphKind::Pen, {0, 0, 1, 1});
    EXPECT_FALSE(SendToBack(list, stranger.get()));
    EXPECT_FALSE(BringToFront(list, nullptr));
    EXPECT_FALSE(DeleteOverlay(list, stranger.get()));
    EXPECT_EQ(Order(list), (std::vector{a, b, c}));
    EXPECT_TRUE(DeleteOverlay(list, b));
    EXPECT_EQ(Order(list), (std::vector{a, c}));
    EXPECT_FALSE(InOverlays(list, b));
    EXPECT_TRUE(InOverlays(list, c));
    TOverlayList empty;
    EXPECT_FALSE(SendToBack(empty, a));
}

TEST(OverlayHitTest, OverlappingObjectsSelectTheFirstInTheList)
{
    TOverlayList list;
    list.push_back(Object(GraphKind::Ellipse, {10, 10, 30, 30}));
    list.push_back(Object(GraphKind::Line, {5, 5, 25, 25}));
    // Scale 2: the frames are 20..60 and 10..50 pixels.
    const TOverlayHit hit = OverlayAt(list, {40, 40}, 2.0);
    EXPECT_EQ(hit.object, list[0].get());
    EXPECT_EQ(hit.frame, (TPixelRect{20, 20, 60, 60}));
    EXPECT_EQ(hit.handle, 0);
    EXPECT_EQ(OverlayAt(list, {12, 12}, 2.0).object, list[1].get());
    EXPECT_EQ(OverlayAt(list, {100, 100}, 2.0).object, nullptr);
}

TEST(OverlayHitTest, HandlesJustOutsideTheFrameSelectAndReportTheirCode)
{
    TOverlayList list;
    // Stored with its edges the wrong way round: the frame puts them in order.
    list.push_back(Object(GraphKind::Ellipse, {30, 30, 10, 10}));
    const TOverlayHit corner = OverlayAt(list, {63, 62}, 2.0);
    EXPECT_EQ(corner.object, list[0].get());
    EXPECT_EQ(corner.frame, (TPixelRect{20, 20, 60, 60}));
    EXPECT_EQ(corner.handle, 33);
    EXPECT_EQ(OverlayAt(list, {17, 40}, 2.0).handle, 21);
}

TEST(OverlayFrames, MovingPastAnEdgeStopsTheFrameOnThatEdge)
{
    const TPixelRect frame{10, 10, 40, 30};
    EXPECT_EQ(MoveFrame(frame, {90, 20}, 100, 80), (TPixelRect{70, 20, 100, 40}));
    EXPECT_EQ(MoveFrame(frame, {20, 75}, 100, 80), (TPixelRect{20, 60, 50, 80}));
    EXPECT_EQ(MoveFrame(frame, {-15, -3}, 100, 80), (TPixelRect{0, 0, 30, 20}));
    EXPECT_EQ(MoveFrame(frame, {5, 6}, 100, 80), (TPixelRect{5, 6, 35, 26}));
}

TEST(OverlayFrames, EachHandleMovesOnlyItsOwnEdges)
{
    const TPixelRect frame{10, 20, 50, 60};
    const TPixel p{5, 70};
    EXPECT_EQ(ResizeFrame(frame, 11, p), (TPixelRect{5, 70, 50, 60}));
    EXPECT_EQ(ResizeFrame(frame, 12, p), (TPixelRect{10, 70, 50, 60}));
    EXPECT_EQ(ResizeFrame(frame, 13, p), (TPixelRect{10, 70, 5, 60}));
    EXPECT_EQ(ResizeFrame(frame, 21, p), (TPixelRect{5, 20, 50, 60}));
    EXPECT_EQ(ResizeFrame(frame, 23, p), (TPixelRect{10, 20, 5, 60}));
    EXPECT_EQ(ResizeFrame(frame, 31, p), (TPixelRect{5, 20, 50, 70}));
    EXPECT_EQ(ResizeFrame(frame, 32, p), (TPixelRect{10, 20, 50, 70}));
    EXPECT_EQ(ResizeFrame(frame, 33, p), (TPixelRect{10, 20, 5, 70}));
}

TEST(OverlayFrames, ResizingFromTheBottomRightScalesEveryPointTowardTheNewCorner)
{
    // Scale 2: the ellipse's corners are at pixels (20, 20) and (60, 40).
    auto ellipse = Object(GraphKind::Ellipse, {10, 10, 30, 20}, {Grid(10, 10), Grid(30, 20)});
    ellipse->Points.push_back(Grid(20, 15));
    const TPixelRect from{20, 20, 60, 40};
    const TPixelRect to = ResizeFrame(from, 33, {100, 60});
    FitObjectToFrame(*ellipse, from, to, 2.0);
    EXPECT_EQ(ellipse->Points[0], Grid(10, 10));
    EXPECT_EQ(ellipse->Points[1], Grid(50, 30));
    EXPECT_EQ(ellipse->Points[2], Grid(30, 20));
    EXPECT_EQ(ObjectFrame(*ellipse, 2.0), to);
}

TEST(OverlayFrames, AFrameWithoutWidthShiftsItsPointsInsteadOfDividingByZero)
{
    // A vertical line whose frame rounds to no width at this scale.
    auto line = Object(GraphKind::Line, {10, 10, 10.1, 30}, {Grid(10, 10), Grid(10, 30)});
    const TPixelRect from = ObjectFrame(*line, 1.0);
    ASSERT_EQ(from.right, from.left);
    FitObjectToFrame(*line, from, MoveFrame(from, {25, 10}, 100, 100), 1.0);
    EXPECT_EQ(line->Points[0], Grid(25, 10));
    EXPECT_EQ(line->Points[1], Grid(25, 30));
}

TEST(OverlayFinishing, ABoxWithoutSizeIsWidenedByOnePixelAndTakesThePen)
{
    TGraphPen pen;
    FinishObject(pen, {40, 20, 40, 20}, 4.0, RGB(255, 0, 0), 3);
    EXPECT_DOUBLE_EQ(pen.Bounds[0].toDouble(), 10.0);
    EXPECT_DOUBLE_EQ((pen.Bounds[2].toDouble() - pen.Bounds[0].toDouble()) * 4.0, 1.0);
    EXPECT_DOUBLE_EQ((pen.Bounds[3].toDouble() - pen.Bounds[1].toDouble()) * 4.0, 1.0);
    EXPECT_EQ(pen.PenColour, RGB(255, 0, 0));
    EXPECT_EQ(pen.PenWidth, 3);
}
