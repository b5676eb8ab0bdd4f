#include "MainWindowFixture.h"

#include "controls/FlEdit.h"
#include "editor/EditorMessages.h"
#include "tests/common/TempPath.h"
#include "tests/editor/CanvasUser.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>

#include <set>
#include <utility>

namespace tarn::test {
namespace {

using NodeSet = std::set<std::pair<int, int>>;

// The editor's window on its start-up map (51 x 51 nodes, all Null) with the
// trace tools driven through the mouse, the Map tab and the Set Height dialog.
class ContourTraceWindowTest : public MainWindowFixture {
protected:
    QAction& UndoItem() { return *window.findChild<QAction*>("Undo"); }
    NodeSet NodesAt(int height)
    {
        NodeSet nodes;
        for (int i = 0; i < Net().PointCount(); ++i)
            if (Net().Points()[static_cast<std::size_t>(i)].Height == height)
                nodes.emplace(i % Columns(), i / Columns());
        return nodes;
    }
    void SetDensity(const QString& density)
    {
        ShowTab("TabSheet4");
        auto& field = Find<QSpinBox>("DensityEdit");
        TypeInto(field, density);
        QTest::keyClick(&field, Qt::Key_Return);
    }
    void ClickNode(int column, int row) { ClickAt(Net(), NodePixel(Net(), column, row)); }
    // As the window system delivers a double click: press, release, the
    // double click in place of the second press, release.
    void DoubleClickNode(int column, int row)
    {
        const QPoint pixel = NodePixel(Net(), column, row);
        QTest::mouseClick(&Net(), Qt::LeftButton, {}, pixel);
        QTest::mouseDClick(&Net(), Qt::LeftButton, {}, pixel);
        QTest::mouseRelease(&Net(), Qt::LeftButton, {}, pixel);
    }

    // The user's part of the dialog: what it offers is noted, the height typed,
    // then a button clicked (or Enter pressed when `button` is empty).
    std::function<void(QWidget&)> Answer(const QString& height, const char* button = "OK")
    {
        return [=, this](QWidget& modal) {
            info = modal.findChild<QLabel*>("InfoLabel")->text();
            onlySetAsHeight = modal.findChild<QRadioButton*>("HeightRadio")->isChecked();
            for (const char* other : {"NullRadio", "AddRadio", "SubtractRadio"})
                onlySetAsHeight = onlySetAsHeight && !modal.findChild<QRadioButton*>(other)->isEnabled();
            auto& field = *modal.findChild<TFloatEdit*>("HeightEdit");
            offered = field.text();
            TypeInto(field, height);
            if (button)
                ClickButton(modal, button);
            else
                QTest::keyClick(&field, Qt::Key_Return);
        };
    }

    QString info;
    QString offered;
    bool onlySetAsHeight = false;
};

TEST_F(ContourTraceWindowTest, ManualTraceAsksForTheContourHeightAndUndoRestoresTheLine)
{
    SetDensity("1");
    Click("ManContourButton");
    OnNextModal(Answer("120"));
    ClickNode(2, 4);
    DoubleClickNode(5, 4);
    EXPECT_EQ(info, "Set contour height");
    EXPECT_TRUE(onlySetAsHeight);
    EXPECT_EQ(offered, "0");
    EXPECT_EQ(NodesAt(120), (NodeSet{{2, 4}, {3, 4}, {4, 4}, {5, 4}}));
    EXPECT_TRUE(UndoItem().isEnabled());
    EXPECT_TRUE(Net().Modified());

    Choose("Edit1", "Undo");
    EXPECT_TRUE(NodesAt(120).empty());
    EXPECT_EQ(NodesAt(kNullHeight).size(), 51u * 51u);
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(ContourTraceWindowTest, EnterAcceptsAndTheMapTabsDensityThinsTheLine)
{
    Click("ManContourButton");
    OnNextModal(Answer("75", nullptr));
    ClickNode(2, 4);
    DoubleClickNode(5, 4);
    EXPECT_EQ(NodesAt(75), (NodeSet{{3, 4}, {5, 4}}));
    // The next contour is offered the height given last.
    OnNextModal(Answer("80"));
    ClickNode(8, 1);
    DoubleClickNode(8, 3);
    EXPECT_EQ(offered, "75");
}

TEST_F(ContourTraceWindowTest, CancelWritesNothing)
{
    SetDensity("1");
    Click("ManContourButton");
    OnNextModal(Answer("60", "Cancel"));
    ClickNode(1, 1);
    ClickNode(6, 6);
    DoubleClickNode(6, 9);
    EXPECT_EQ(NodesAt(kNullHeight).size(), 51u * 51u);
    EXPECT_FALSE(Net().Modified());
    EXPECT_FALSE(UndoItem().isEnabled());
}

TEST_F(ContourTraceWindowTest, AutomaticTraceWithoutBackgroundSaysWhatIsMissing)
{
    Click("AutoContourButton");
    ClickAt(Net(), {40, 40});
    EXPECT_EQ(messages, std::vector<QString>{msg::NoBackgroundToTrace});
    EXPECT_FALSE(Net().Modified());
}

TEST_F(ContourTraceWindowTest, AutomaticTraceFollowsALineOfTheLoadedBackground)
{
    // A scan as big as the map picture, with one dark line along node row 7.
    const QSize size = Net().MapPicture.Size();
    const int y = NodePixel(Net(), 0, 7).y();
    QImage scan(size, QImage::Format_RGB32);
    scan.fill(Qt::white);
    {
        QPainter painter(&scan);
        painter.setPen(QPen(QColor(60, 40, 20), 1));
        painter.drawLine(0, y, size.width() - 1, y);
    }
    const QString path = QString::fromStdString(UniqueTempPath("trace-scan", ".bmp").string());
    ASSERT_TRUE(scan.save(path, "BMP"));
    OnNextModal([&](QWidget& modal) { AnswerFileDialog(modal, path); });
    Click("LoadBMPButton");
    ASSERT_FALSE(Net().BackgroundPicture.isNull());

    SetDensity("1");
    Click("AutoContourButton");
    OnNextModal(Answer("50"));
    ClickAt(Net(), {100, y});
    EXPECT_EQ(info, "Set contour height");
    NodeSet row;
    for (int column = 0; column < 51; ++column)
        row.emplace(column, 7);
    EXPECT_EQ(NodesAt(50), row);
    Choose("Edit1", "Undo");
    EXPECT_TRUE(NodesAt(50).empty());
    QFile::remove(path);
}

}  // namespace
}  // namespace tarn::test
