// The Make Path dialog driven with the mouse and the keyboard over a small
// map of known heights: drawing and dragging points, the path types and
// their limits, generation, the profile graph, and scripts saved and loaded.
#include "TestFolder.h"
#include "UserActions.h"

#include "controls/Chart.h"
#include "controls/HelpWindow.h"
#include "controls/Messages.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "viewer/ui/Makepath.h"

#include <QComboBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

#include <gtest/gtest.h>

#include <fstream>

using namespace tarn;
using namespace tarn::test;

namespace {

// A Metric 21 x 21 map, every node 100 high, drawn in a 400 x 400 box.
class MakePath : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        CreateMap(map, {MapUnits::Metric, 21, 21, 10}, DefaultTerrainPalette());
        for (auto& point : map.Points())
            point.Height = 100;
        map.MapHeader.MinHeight = 0;
        map.MapHeader.MaxHeight = 400;
        dialog = std::make_unique<TCreatePath>(map, nullptr);
        dialog->show();
        box = Find(dialog.get(), "PathBox");
    }
    void TearDown() override
    {
        dialog.reset();
        TestFolder::TearDown();
    }

    void ClickBox(QPoint at, Qt::KeyboardModifiers modifiers = {}) { QTest::mouseClick(box, Qt::LeftButton, modifiers, at); }
    // `count` points 20 pixels apart along a row of the box.
    void ClickRow(int count, int y = 200)
    {
        for (int i = 0; i < count; ++i)
            ClickBox({20 + 20 * (i % 18), y + 20 * (i / 18)});
    }
    QWidget* SpeedField() const { return Find<QComboBox>(dialog.get(), "Speed")->lineEdit(); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(dialog.get(), name); }
    int FrameCount() const { return static_cast<int>(dialog->Path().Frames.size()); }

    // Saves the script with Save Script and returns its text.
    std::string SaveScript(const char* name = "path.srp")
    {
        const auto file = folder / name;
        WhenModal([file](QWidget* save) { ChooseFile(save, QString::fromStdString(file.string())); });
        Click(Button("Save"));
        const Bytes bytes = ReadAll(file);
        return {bytes.begin(), bytes.end()};
    }
    void LoadScript(const std::filesystem::path& file)
    {
        WhenModal([file](QWidget* open) { ChooseFile(open, QString::fromStdString(file.string())); });
        Click(Button("Load"));
    }
    static QStringList Lines(const std::string& text)
    {
        QStringList lines = QString::fromStdString(text).split("\r\n");
        EXPECT_EQ(lines.takeLast(), "");
        return lines;
    }

    TNet map;
    std::unique_ptr<TCreatePath> dialog;
    QWidget* box = nullptr;
    QStringList shown;
    ScopedMessageSink messages{[this](const QString& text, const QString&) { shown.append(text); }};
};

TEST_F(MakePath, FourClickedPointsGiveThirtyFramesAndAScriptOfThem)
{
    EXPECT_EQ(box->size(), QSize(400, 400));
    EXPECT_FALSE(Button("Generate")->isEnabled());
    EXPECT_FALSE(Button("Save")->isEnabled());
    ClickRow(3);
    EXPECT_FALSE(Button("Generate")->isEnabled());
    ClickBox({80, 260});
    EXPECT_TRUE(Button("Generate")->isEnabled());
    Click(Button("Generate"));
    EXPECT_EQ(FrameCount(), 30);
    ASSERT_TRUE(Button("Save")->isEnabled());

    const QStringList lines = Lines(SaveScript());
    ASSERT_EQ(lines.size(), 3 + 30 + 1 + 4 + 1 + 4 + 4);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"[Path Type]", "PathType=Flight", "[Path Data]"}));
    const QRegularExpression dataLine(R"(^( *-?\d+\.\d{4},){4} *-?\d+\.\d{4}$)");
    for (int i = 3; i < 33; ++i) {
        EXPECT_TRUE(dataLine.match(lines[i]).hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(lines[i].size(), 5 * 11 + 4) << lines[i].toStdString();
    }
    // Each point flies 500 above the ground of 100 under it.
    EXPECT_EQ(lines.mid(33),
              (QStringList{"[Control Points]", "20,200,600", "40,200,600", "60,200,600", "80,260,600", "[View Points]",
                           "20,200", "40,200", "60,200", "80,260", "[Path Parameters]", "Height=500", "MinHeight=0",
                           "Speed=Moderate"}));
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
}

TEST_F(MakePath, TypedHeightAndSpeedShapeTheNextPointsAndTheFrames)
{
    TypeInto(Find(dialog.get(), "Height"), "250", false);
    TypeInto(SpeedField(), "Very Fast", false);
    ClickRow(5);
    // Releasing the fifth point generates the path again by itself.
    EXPECT_EQ(FrameCount(), 20);
    EXPECT_EQ(dialog->Path().ControlPoints().front().z, 350);
    // Flight heights never fall under the minimum typed.
    TypeInto(Find(dialog.get(), "MinHeight"), "900", true);
    Click(Button("Generate"));
    for (const auto& frame : dialog->Path().Frames)
        EXPECT_EQ(frame.camera[2], 900);
}

TEST_F(MakePath, DraggingAPointTakesItsViewPointAlongAndShiftDragsTheViewPointAlone)
{
    ClickRow(4);
    Drag(box, {40, 200}, {45, 300});
    const auto& path = dialog->Path();
    EXPECT_EQ(path.ControlPoints()[1], (TControlPoint{45, 300, 600}));
    EXPECT_EQ(path.ViewPoints()[1], (TBoxPoint{45, 300}));

    QTest::mousePress(box, Qt::LeftButton, Qt::ShiftModifier, {60, 200});
    QTest::mouseMove(box, {70, 150});
    QTest::mouseMove(box, {90, 120});
    QTest::mouseRelease(box, Qt::LeftButton, Qt::ShiftModifier, {90, 120});
    EXPECT_EQ(path.ControlPoints()[2], (TControlPoint{60, 200, 600}));
    EXPECT_EQ(path.ViewPoints()[2], (TBoxPoint{90, 120}));

    // A point dragged off its view point leaves the view point behind, and
    // a drag beyond the box stops at its edge.
    Drag(box, {60, 200}, {500, -30});
    EXPECT_EQ(path.ControlPoints()[2].x, 400);
    EXPECT_EQ(path.ControlPoints()[2].y, 0);
    EXPECT_EQ(path.ViewPoints()[2], (TBoxPoint{90, 120}));
    EXPECT_EQ(path.PointCount(), 4);
}

TEST_F(MakePath, AFlightTakesThirtyTwoPointsAndKeepsTheFirst721Frames)
{
    TypeInto(SpeedField(), "Very Slow", false);
    ClickRow(33);
    EXPECT_EQ(dialog->Path().PointCount(), 32);
    EXPECT_EQ(FrameCount(), 721);
}

TEST_F(MakePath, SavedFramesAgreeWithTheParametersSavedWithThem)
{
    ClickRow(4);
    EXPECT_EQ(FrameCount(), 30);
    TypeInto(SpeedField(), "Fast", false);
    TypeInto(Find(dialog.get(), "MinHeight"), "2000", false);
    const QStringList lines = Lines(SaveScript());
    ASSERT_EQ(lines.size(), 3 + 20 + 14);
    EXPECT_EQ(lines.last(), "Speed=Fast");
    EXPECT_EQ(lines[3].split(",")[2].trimmed(), "2000.0000");
}

TEST_F(MakePath, APanoramaTakesOnePointAndTurnsAroundIt)
{
    ClickRow(2);
    Click(Find(dialog.get(), "PanoramaRadio"));
    EXPECT_EQ(dialog->Path().PointCount(), 0);
    ClickBox({200, 200});
    ClickBox({300, 300});
    EXPECT_EQ(dialog->Path().PointCount(), 1);
    ASSERT_TRUE(Button("Generate")->isEnabled());
    Click(Button("Generate"));
    EXPECT_EQ(FrameCount(), 122);
    EXPECT_EQ(Lines(SaveScript())[1], "PathType=OutPanorama");
    // Moving the point turns the panorama around where it now stands, so a
    // saved script never holds frames of a place the point has left.
    const auto before = dialog->Path().Frames.front().camera;
    Drag(box, {200, 200}, {100, 300});
    const auto after = dialog->Path().Frames.front().camera;
    EXPECT_DOUBLE_EQ(after[0] - before[0], -map.MapHeader.WorldWidth / 4.0);
    EXPECT_DOUBLE_EQ(after[1] - before[1], -map.MapHeader.WorldHeight / 4.0);

    Click(Find(dialog.get(), "FlightRadio"));
    EXPECT_EQ(dialog->Path().PointCount(), 0);
    EXPECT_FALSE(Button("Generate")->isEnabled());
    EXPECT_FALSE(Button("Save")->isEnabled());
}

TEST_F(MakePath, ResetPathClearsPointsFramesAndProfile)
{
    ClickRow(4);
    auto* graph = Find<TChart>(dialog.get(), "FlightGraph");
    EXPECT_EQ(graph->PointCount(2), 4);
    EXPECT_GT(graph->PointCount(1), 0);
    Click(Button("ResetPath"));
    EXPECT_EQ(dialog->Path().PointCount(), 0);
    EXPECT_EQ(FrameCount(), 0);
    EXPECT_EQ(graph->PointCount(1), 0);
    EXPECT_EQ(graph->PointCount(2), 0);
    EXPECT_FALSE(Button("Generate")->isEnabled());
    EXPECT_FALSE(Button("Save")->isEnabled());
}

TEST_F(MakePath, DraggingAProfileMarkerSetsThatPointsFlightHeight)
{
    ClickRow(4);
    auto* graph = Find<TChart>(dialog.get(), "FlightGraph");
    const QPoint marker = graph->PositionOf(graph->Point(2, 2)).toPoint();
    const double before = dialog->Path().Frames.back().camera[2];
    QTest::mousePress(graph->viewport(), Qt::LeftButton, {}, marker);
    QTest::mouseMove(graph->viewport(), marker - QPoint(0, 20));
    const QPoint top = graph->PositionOf({graph->Point(2, 2).x(), 780}).toPoint();
    QTest::mouseMove(graph->viewport(), top);
    QTest::mouseRelease(graph->viewport(), Qt::LeftButton, {}, top);
    EXPECT_NEAR(dialog->Path().ControlPoints()[1].z, 780, 5);
    EXPECT_NEAR(graph->Point(2, 2).y(), 780, 5);
    // The frames follow the new height.
    EXPECT_GT(dialog->Path().Frames.back().camera[2], before);
}

TEST_F(MakePath, ASavedScriptLoadsBackExactly)
{
    TypeInto(Find(dialog.get(), "Height"), "300", false);
    TypeInto(Find(dialog.get(), "MinHeight"), "120", false);
    TypeInto(SpeedField(), "Slow", false);
    ClickRow(5);
    QTest::mousePress(box, Qt::RightButton, {}, {100, 200});
    QTest::mouseMove(box, {130, 170});
    QTest::mouseRelease(box, Qt::RightButton, {}, {130, 170});
    Click(Button("Generate"));
    const std::string first = SaveScript("first.srp");
    const TFlightPath saved = dialog->Path();

    Click(Button("ResetPath"));
    TypeInto(Find(dialog.get(), "Height"), "10", false);
    TypeInto(SpeedField(), "Fast", false);
    LoadScript(folder / "first.srp");
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    const auto& loaded = dialog->Path();
    EXPECT_EQ(loaded.ControlPoints(), saved.ControlPoints());
    EXPECT_EQ(loaded.ViewPoints(), saved.ViewPoints());
    EXPECT_EQ(Find<QSpinBox>(dialog.get(), "Height")->value(), 300);
    EXPECT_EQ(Find<QSpinBox>(dialog.get(), "MinHeight")->value(), 120);
    EXPECT_EQ(Find<QComboBox>(dialog.get(), "Speed")->currentText(), "Slow");
    EXPECT_TRUE(Button("Generate")->isEnabled());
    EXPECT_FALSE(Button("Save")->isEnabled());

    Click(Button("Generate"));
    EXPECT_EQ(SaveScript("second.srp"), first);
}

TEST_F(MakePath, ScriptFaultsAreShownAndTheDialogStaysUsable)
{
    const auto write = [this](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    };
    ClickRow(4);
    TypeInto(Find(dialog.get(), "Height"), "77", false);
    LoadScript(write("empty.srp", "PathType=Flight\r\n"));
    // Nothing was read: the path, its frames and the fields stay as they were.
    EXPECT_EQ(FrameCount(), 30);
    EXPECT_TRUE(Button("Save")->isEnabled());
    EXPECT_EQ(Find<QSpinBox>(dialog.get(), "Height")->value(), 77);
    LoadScript(write("height.srp", "[Path Type]\r\nPathType=Flight\r\n[Path Data]\r\n[Control Points]\r\n"
                                   "1,2,3\r\n4,5,6\r\n7,8,9\r\n10,11,12\r\n[View Points]\r\n1,2\r\n4,5\r\n7,8\r\n"
                                   "10,11\r\n[Path Parameters]\r\nHeight=abc\r\nMinHeight=0\r\nSpeed=Fast\r\n"));
    LoadScript(write("views.srp", "[Path Type]\r\nPathType=OutPanorama\r\n[Path Data]\r\n[Control Points]\r\n"
                                  "1,2,3\r\n[View Points]\r\n[Path Parameters]\r\n"));
    EXPECT_EQ(shown, (QStringList{"E0034 Script File Error: [Path Type] not found",
                                  "E0044 Script File Error: Flight Parameters section invalid",
                                  "E0042 View point count does not match control point count"}));
    // What was read before the fault stays: the panorama's point, on the
    // panorama type.
    EXPECT_EQ(dialog->Path().PointCount(), 1);
    EXPECT_EQ(Find<QSpinBox>(dialog.get(), "Height")->value(), 77);
    EXPECT_TRUE(Find<QRadioButton>(dialog.get(), "PanoramaRadio")->isChecked());
    Click(Button("ResetPath"));
    ClickBox({100, 100});
    EXPECT_EQ(dialog->Path().PointCount(), 1);
}

TEST_F(MakePath, HelpShowsTheMakePathPage)
{
    THelpWindow help(TARN_SOURCE_DIR "/data/help/flyview", "Help");
    TCreatePath withHelp(map, &help);
    withHelp.show();
    Click(Find(&withHelp, "HelpBtn"));
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.PageText().startsWith("Make Path")) << help.PageText().toStdString();
}

}  // namespace
