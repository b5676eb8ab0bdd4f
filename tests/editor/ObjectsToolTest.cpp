#include "MainWindowFixture.h"

#include "editor/QtColour.h"
#include "editor/Shape.h"
#include "editor/tools/ObjectsTool.h"
#include "model/Net.h"
#include "model/OverlayEdit.h"

#include <QAction>
#include <QMenu>

#include <cmath>

namespace tarn::test {
namespace {

// The objects tool on the editor's start-up map (51 x 51, zoom 5), driven
// with the mouse on the canvas, the Shape buttons, the swatches and the
// canvas's popup menu.
class ObjectsToolTest : public MainWindowFixture {
protected:
    ObjectsToolTest()
    {
        ShowTab("TabSheet3");
        Click("ObjectButton");
    }

    TOverlayList& Overlays() { return Net().Overlays; }
    void Shape(const char* button) { Click(button); }
    // The pixel of a position given in grid steps, at the current zoom.
    QPoint At(double column, double row)
    {
        return {static_cast<int>(std::lround(column * Net().Scale)), static_cast<int>(std::lround(row * Net().Scale))};
    }
    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&Net(), button, {}, from);
        QTest::mouseMove(&Net(), (from + to) / 2);
        QTest::mouseMove(&Net(), to);
        QTest::mouseRelease(&Net(), button, {}, to);
    }
    void ClickAt(QPoint at) { QTest::mouseClick(&Net(), Qt::LeftButton, {}, at); }
    // Press, release, the second press that the system reports as a double
    // click, release.
    void DoubleClickAt(QPoint at)
    {
        ClickAt(at);
        QTest::mouseDClick(&Net(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(&Net(), Qt::LeftButton, {}, at);
    }
    void SetPen(const char* colour, const char* width)
    {
        QTest::mouseClick(&Find<TShape>(colour), Qt::LeftButton);
        QTest::mouseClick(&Find<TShape>(width), Qt::LeftButton);
    }
    // Everything an object stores, byte for byte.
    static std::string Describe(const TGraphObject& object)
    {
        std::string bytes(1, static_cast<char>(object.Kind()));
        const auto add = [&bytes](const Real48& real) { bytes.append(real.bytes().begin(), real.bytes().end()); };
        for (const Real48& edge : object.Bounds)
            add(edge);
        bytes += std::to_string(object.PenColour) + "/" + std::to_string(object.PenWidth) + "/";
        bytes.append(object.Name.begin(), object.Name.end());
        for (const TGraphPoint& point : object.Points) {
            add(point.X);
            add(point.Y);
        }
        return bytes;
    }
    // Right-clicks the canvas, through the window as the system delivers
    // it, and chooses an item of the popup menu.
    void Popup(QPoint at, const char* item)
    {
        auto& menu = Find<QMenu>("DefNetPopupMenu");
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, Net().mapTo(&window, at));
        ASSERT_TRUE(WaitFor([&menu] { return menu.isVisible(); })) << "the popup menu did not open";
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(&Find<QAction>(item)).center());
        ASSERT_TRUE(WaitFor([&menu] { return !menu.isVisible(); }));
    }
    std::vector<const TGraphObject*> Order()
    {
        std::vector<const TGraphObject*> order;
        for (const auto& object : Overlays())
            order.push_back(object.get());
        return order;
    }
    // Draws three short horizontal lines, one under the other, and returns them.
    std::vector<const TGraphObject*> ThreeLines()
    {
        Shape("LineButton");
        for (int i = 0; i < 3; ++i)
            Drag(At(5, 5 + 5 * i), At(15, 5 + 5 * i));
        Shape("SelectButton");
        return Order();
    }
    QPointF GridPoint(const TGraphObject& object, std::size_t i)
    {
        return {object.Points.at(i).X.toDouble(), object.Points.at(i).Y.toDouble()};
    }
};

TEST_F(ObjectsToolTest, SendToBackOnTheFirstOfThreeSwapsItWithTheThird)
{
    const auto lines = ThreeLines();
    ASSERT_EQ(lines.size(), 3u);
    Popup(At(10, 5), "SendObjToBack");
    EXPECT_EQ(Order(), (std::vector{lines[2], lines[1], lines[0]}));
    EXPECT_TRUE(Net().Modified());
}

TEST_F(ObjectsToolTest, BringToFrontOnTheThirdSwapsItWithTheFirst)
{
    const auto lines = ThreeLines();
    ClickAt(At(10, 15));
    Popup(At(10, 15), "BringObjToFront");
    EXPECT_EQ(Order(), (std::vector{lines[2], lines[1], lines[0]}));
    // With nothing under the press, nothing is selected and nothing moves.
    Popup(At(40, 40), "BringObjToFront");
    EXPECT_EQ(Order(), (std::vector{lines[2], lines[1], lines[0]}));
}

TEST_F(ObjectsToolTest, AStraightLineKeepsItsMapPositionWhenZoomedIn)
{
    SetPen("LineColShape12", "LineWidthShape3");  // red, width 3
    Shape("LineButton");
    const QPoint start = At(10, 20);
    const QPoint end = At(30, 20);
    Drag(start, end);
    ASSERT_EQ(Overlays().size(), 1u);
    const TGraphObject& line = *Overlays().front();
    EXPECT_EQ(line.Kind(), GraphKind::Line);
    EXPECT_EQ(line.PenColour, RGB(255, 0, 0));
    EXPECT_EQ(line.PenWidth, 3);
    const QPointF first = GridPoint(line, 0);
    // The new line is in the map picture at once.
    EXPECT_EQ(Net().MapPicture.Pixel(At(20, 20).x(), At(20, 20).y()), qRgb(255, 0, 0));

    for (int step = 0; step < 3; ++step)
        Click("ZoomInButton");
    ASSERT_EQ(Net().Zoom, 13);
    EXPECT_EQ(GridPoint(line, 0), first);
    const QPoint middle = At(20, 20);
    EXPECT_EQ(Net().MapPicture.Pixel(middle.x(), middle.y()), qRgb(255, 0, 0));
    EXPECT_EQ(Net().MapPicture.Pixel(At(35, 20).x(), middle.y()), qRgb(255, 255, 255));
}

TEST_F(ObjectsToolTest, AMotionlessFreehandPressMakesAOnePointStrokeWithAOnePixelBox)
{
    Shape("PenButton");
    ClickAt(At(12, 12));
    ASSERT_EQ(Overlays().size(), 1u);
    const TGraphObject& pen = *Overlays().front();
    EXPECT_EQ(pen.Kind(), GraphKind::Pen);
    EXPECT_EQ(pen.Points.size(), 1u);
    EXPECT_EQ(ObjectFrame(pen, Net().Scale), (TPixelRect{At(12, 12).x(), At(12, 12).y(), At(12, 12).x() + 1,
                                                         At(12, 12).y() + 1}));
}

TEST_F(ObjectsToolTest, AFreehandStrokeKeepsEveryPositionThatDiffers)
{
    Shape("PenButton");
    const QPoint from = At(5, 5);
    QTest::mousePress(&Net(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&Net(), from + QPoint(10, 0));
    QTest::mouseMove(&Net(), from + QPoint(10, 0));
    QTest::mouseMove(&Net(), from + QPoint(10, 12));
    QTest::mouseRelease(&Net(), Qt::LeftButton, {}, from + QPoint(10, 12));
    ASSERT_EQ(Overlays().size(), 1u);
    EXPECT_EQ(Overlays().front()->Points.size(), 3u);
    EXPECT_EQ(ObjectFrame(*Overlays().front(), Net().Scale),
              (TPixelRect{from.x(), from.y(), from.x() + 10, from.y() + 12}));
}

TEST_F(ObjectsToolTest, ASymbolReleasedOutsideThePictureIsNotAdded)
{
    Shape("SymbolButton");
    const QSize picture = Net().MapPicture.Size();
    Drag(At(10, 10), QPoint(picture.width() + 30, 40));
    Drag(At(10, 10), QPoint(-20, 40));
    EXPECT_TRUE(Overlays().empty());
    Drag(At(10, 10), At(12, 14));
    ASSERT_EQ(Overlays().size(), 1u);
    EXPECT_EQ(Overlays().front()->Kind(), GraphKind::Spot);
    const QPoint centre = At(12, 14);
    EXPECT_EQ(ObjectFrame(*Overlays().front(), Net().Scale),
              (TPixelRect{centre.x() - 8, centre.y() - 8, centre.x() + 8, centre.y() + 8}));
}

TEST_F(ObjectsToolTest, TheDoubleClickThatEndsASegmentedLineStartsNoNewOne)
{
    Shape("SegLineButton");
    ClickAt(At(5, 5));
    Drag(At(10, 5), At(10, 10));
    DoubleClickAt(At(20, 10));
    ASSERT_EQ(Overlays().size(), 1u);
    const TGraphObject& line = *Overlays().front();
    EXPECT_EQ(line.Kind(), GraphKind::Pen);
    EXPECT_EQ(GridPoint(line, 0), GridPoint(line, 1));  // the first click's press and release
    EXPECT_EQ(ObjectFrame(line, Net().Scale), (TPixelRect{At(5, 5).x(), At(5, 5).y(), At(20, 10).x(), At(10, 10).y()}));
    const std::size_t points = line.Points.size();

    // The next click after the double click starts the next line.
    ClickAt(At(30, 30));
    EXPECT_EQ(Overlays().size(), 2u);
    EXPECT_EQ(line.Points.size(), points);
}

TEST_F(ObjectsToolTest, ChangingTheShapeFinishesAnOpenSegmentedLine)
{
    Shape("SegLineButton");
    ClickAt(At(5, 5));
    ClickAt(At(15, 8));
    Shape("EllipseButton");
    ASSERT_EQ(Overlays().size(), 1u);
    EXPECT_EQ(ObjectFrame(*Overlays().front(), Net().Scale),
              (TPixelRect{At(5, 5).x(), At(5, 5).y(), At(15, 8).x(), At(15, 8).y()}));
    // The first press after returning to the shape starts a line at once.
    Shape("SegLineButton");
    ClickAt(At(30, 30));
    EXPECT_EQ(Overlays().size(), 2u);
}

TEST_F(ObjectsToolTest, DraggingPastTheRightEdgeStopsTheObjectOnTheEdge)
{
    Shape("EllipseButton");
    Drag(At(10, 10), At(20, 16));
    Shape("SelectButton");
    const TPixelRect before = ObjectFrame(*Overlays().front(), Net().Scale);
    const int width = Net().MapPicture.Size().width();
    Drag(At(15, 13), QPoint(width + 100, At(15, 13).y()));
    const TPixelRect after = ObjectFrame(*Overlays().front(), Net().Scale);
    EXPECT_EQ(after.right, width);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(Net().MapPicture.Pixel(before.left, (before.top + before.bottom) / 2), qRgb(255, 255, 255))
        << "the old place is drawn anew";
}

TEST_F(ObjectsToolTest, DraggingTheBottomRightHandleScalesAnEllipsesPoints)
{
    Shape("EllipseButton");
    Drag(At(10, 10), At(20, 16));
    Shape("SelectButton");
    const TGraphObject& ellipse = *Overlays().front();
    const QPointF topLeft = GridPoint(ellipse, 0);
    const TPixelRect frame = ObjectFrame(ellipse, Net().Scale);
    const QPoint corner(frame.right, frame.bottom);
    const QPoint target = corner + QPoint(40, 25);
    Drag(corner + QPoint(2, 1), target);
    EXPECT_EQ(GridPoint(ellipse, 0), topLeft);
    EXPECT_NEAR(GridPoint(ellipse, 1).x() * Net().Scale, target.x(), 1e-6);
    EXPECT_NEAR(GridPoint(ellipse, 1).y() * Net().Scale, target.y(), 1e-6);
    EXPECT_EQ(ObjectFrame(ellipse, Net().Scale), (TPixelRect{frame.left, frame.top, target.x(), target.y()}));
}

TEST_F(ObjectsToolTest, SelectingWithoutMovingLeavesTheObjectAsItWas)
{
    Shape("EllipseButton");
    Drag(At(10.3, 10.6), At(20.2, 16.7));
    const std::string drawn = Describe(*Overlays().front());
    // At another zoom the frame's pixels stand for other grid positions.
    Click("ZoomInButton");
    Shape("SelectButton");
    ClickAt(At(15, 10.6));
    const TPixelRect frame = ObjectFrame(*Overlays().front(), Net().Scale);
    ClickAt(QPoint(frame.right, frame.bottom));  // on a handle
    EXPECT_EQ(Describe(*Overlays().front()), drawn);
}

TEST_F(ObjectsToolTest, ASymbolIsMovedEvenFromItsHandle)
{
    Shape("SymbolButton");
    ClickAt(At(10, 10));
    Shape("SelectButton");
    const TPixelRect frame = ObjectFrame(*Overlays().front(), Net().Scale);
    Drag(QPoint(frame.right, frame.bottom), QPoint(frame.right + 30, frame.bottom));
    const TPixelRect after = ObjectFrame(*Overlays().front(), Net().Scale);
    EXPECT_EQ(after, (TPixelRect{frame.left + 30, frame.top, frame.right + 30, frame.bottom}));
}

TEST_F(ObjectsToolTest, WhereObjectsOverlapTheFirstInTheListIsSelectedAndDeleted)
{
    Shape("EllipseButton");
    Drag(At(10, 10), At(20, 20));
    Drag(At(14, 14), At(24, 24));
    const auto drawn = Order();
    Shape("SelectButton");
    ClickAt(At(17, 17));
    auto& tool = dynamic_cast<TObjectsTool&>(Net().Tool(kObjectsTool));
    EXPECT_EQ(tool.SelectedObject(Net()), drawn[0]);
    Popup(At(17, 17), "DeleteOverlay");
    EXPECT_EQ(tool.SelectedObject(Net()), nullptr);
    EXPECT_EQ(Order(), (std::vector{drawn[1]}));
    // Nothing is selected any more: a second Delete leaves the other alone.
    Popup(At(40, 40), "DeleteOverlay");
    EXPECT_EQ(Overlays().size(), 1u);
}

TEST_F(ObjectsToolTest, UpdatePropertiesGivesTheSelectedObjectTheCurrentPen)
{
    Shape("LineButton");
    Drag(At(5, 30), At(25, 30));
    Shape("SelectButton");
    SetPen("LineColShape13", "LineWidthShape5");  // blue, width 5
    Popup(At(15, 30), "UpdateProperties");
    const TGraphObject& line = *Overlays().front();
    EXPECT_EQ(line.PenColour, RGB(0, 0, 255));
    EXPECT_EQ(line.PenWidth, 5);
    EXPECT_EQ(Net().MapPicture.Pixel(At(15, 30).x(), At(15, 30).y()), qRgb(0, 0, 255));
}

TEST_F(ObjectsToolTest, SavingAndReopeningKeepsEveryObjectByteForByte)
{
    SetPen("LineColShape6", "LineWidthShape2");
    Shape("PenButton");
    Drag(At(3, 3), At(9, 7));
    Shape("LineButton");
    Drag(At(40, 3), At(30, 12));
    Shape("SegLineButton");
    ClickAt(At(5, 40));
    DoubleClickAt(At(15, 45));
    Shape("EllipseButton");
    Drag(At(20, 20), At(33, 28));
    Shape("SymbolButton");
    ClickAt(At(45, 45));
    ASSERT_EQ(Overlays().size(), 5u);
    std::vector<std::string> drawn;
    for (const auto& object : Overlays())
        drawn.push_back(Describe(*object));

    const QString path = folder.filePath("objects.lem");
    OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
    Choose("File1", "SaveAsMap");
    const std::string saved = FileBytes(path);
    Overlays().clear();
    OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
    Choose("File1", "OpenMap");
    ASSERT_EQ(Overlays().size(), 5u);
    for (std::size_t i = 0; i < drawn.size(); ++i)
        EXPECT_EQ(Describe(*Overlays()[i]), drawn[i]) << i;
    Choose("File1", "SaveMap");
    // Loading recomputes the header's world bounds from the grid corners;
    // everything after the header is written again exactly.
    constexpr std::size_t kHeaderSize = 2576;
    EXPECT_TRUE(FileBytes(path).substr(kHeaderSize) == saved.substr(kHeaderSize));
}

}  // namespace
}  // namespace tarn::test
