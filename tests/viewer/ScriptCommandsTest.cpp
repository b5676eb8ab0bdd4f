// The main window's Load Script and Run Script on Qt's off-screen platform,
// where the GL panel cannot draw: the script reader's messages, the flight
// and panorama dialogs, and what a run does around its frames.
#include "TestFolder.h"
#include "UserActions.h"
#include "tests/common/UserActions.h"

#include "controls/Messages.h"
#include "model/SettingsStore.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Makepath.h"
#include "viewer/ui/PanoParms.h"
#include "viewer/ui/Viewform.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

class ScriptCommands : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        const auto map = CopyTestMap("tiny-sample.lem");
        viewer = std::make_unique<TViewer>(settings);
        viewer->show();
        WhenModal([map](QWidget* fileDialog) {
            WhenModal([](QWidget* parameters) { Click(Find(parameters, "OKBtn")); });
            ChooseFile(fileDialog, QString::fromStdString(map.string()));
        });
        Click(Find(viewer.get(), "LoadButton"));
        shown.clear();
    }
    void TearDown() override
    {
        viewer.reset();
        TestFolder::TearDown();
    }

    // Writes a script of `lines` data lines and loads it with Load Script.
    void LoadScript(const char* type, int lines, bool closed = true)
    {
        const auto file = folder / "path.srp";
        {
            std::ofstream out(file, std::ios::binary);
            out << "[Path Type]\r\nPathType=" << type << "\r\n[Path Data]\r\n";
            for (int i = 0; i < lines; ++i)
                out << "   100.0000,   200.0000,   550.0000,   150.0000,   260.0000\r\n";
            out << "[Control Points]\r\n";
            if (closed)
                out << "[View Points]\r\n[Path Parameters]\r\nHeight=500\r\nMinHeight=0\r\nSpeed=Moderate\r\n";
        }
        WhenModal([file](QWidget* dialog) { ChooseFile(dialog, QString::fromStdString(file.string())); });
        Click(Find(viewer.get(), "LoadScriptButton"));
    }
    QToolButton* RunButton() const { return Find<QToolButton>(viewer.get(), "RunScriptButton"); }
    QSize PanelSize() const { return Find<TGLPanel>(viewer.get(), "MainGLPanel")->size(); }

    MemorySettingsStore settings;
    // Each message and the GL panel's size when it was shown.
    ScopedMessageSink messages{[this](const QString& text, const QString&) {
        shown.append(text);
        panelWhenShown = PanelSize();
    }};
    QStringList shown;
    QSize panelWhenShown;
    std::unique_ptr<TViewer> viewer;
};

TEST_F(ScriptCommands, LoadedDataLinesGiveOneFewerPoints)
{
    LoadScript("Flight", 3);
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    EXPECT_EQ(viewer->PathPointCount(), 2);
    EXPECT_TRUE(RunButton()->isEnabled());
    EXPECT_TRUE(viewer->findChild<QAction*>("RunScript")->isEnabled());

    // One data line leaves nothing to run.
    LoadScript("Flight", 1);
    EXPECT_EQ(viewer->PathPointCount(), 0);
    EXPECT_FALSE(RunButton()->isEnabled());
}

TEST_F(ScriptCommands, ControlPointsOnTheLastLineIsReportedAndTheLinesReadAreKept)
{
    LoadScript("Flight", 4, false);
    EXPECT_EQ(shown, QStringList{"E0029 Script File Error: [Control Points] not found"});
    EXPECT_EQ(viewer->PathPointCount(), 3);
    EXPECT_TRUE(RunButton()->isEnabled());
}

TEST_F(ScriptCommands, ConfirmingThePanoramaDialogWithoutAFileRendersNothing)
{
    LoadScript("OutPanorama", 38);
    const QSize before = PanelSize();
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Panorama Parameters");
        Click(Find(dialog, "OKBtn"));
    });
    Click(RunButton());
    EXPECT_EQ(shown, QStringList{"E0041 No Panorama file selected"});
    EXPECT_EQ(PanelSize(), before);
}

TEST_F(ScriptCommands, APanoramaFileInTheProgramFolderIsShownAsItsBareLowerCaseName)
{
    LoadScript("OutPanorama", 38);
    QString shownName;
    WhenModal([&shownName](QWidget* dialog) {
        WhenModal([](QWidget* save) { ChooseFile(save, ProgramFolder() + "/Round_View.BMP"); });
        Click(Find(dialog, "GetPanoramaFile"));
        shownName = Find<QLineEdit>(dialog, "PanoramaFile")->text();
        Click(Find(dialog, "CancelBtn"));
    });
    Click(RunButton());
    EXPECT_EQ(shownName, "round_view.bmp");
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
}

TEST_F(ScriptCommands, FlightDialogSizesThePanelAndTheViewIsRestored)
{
    LoadScript("Flight", 3);
    const auto camera = viewer->Map().MapHeader.CameraPos;
    QString prefix;
    WhenModal([&prefix](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Flight Animation Parameters");
        TypeInto(Find(dialog, "FilePattern"), "frames", false);
        prefix = Find<QLineEdit>(dialog, "FilePattern")->text();
        Click(Find(dialog, "Size2"));
        Click(Find(dialog, "OKBtn"));
    });
    Click(RunButton());
    EXPECT_EQ(prefix, "frame");
    EXPECT_EQ(panelWhenShown, QSize(320, 240));
    // The off-screen platform cannot draw the frame, and says so.
    EXPECT_EQ(shown, QStringList{"E0140 OpenGL is not available on this display"});
    EXPECT_EQ(viewer->Map().MapHeader.CameraPos, camera);
    EXPECT_TRUE(RunButton()->isEnabled());
}

TEST_F(ScriptCommands, EnterInTheFlightDialogRunsWithTheFirstSize)
{
    LoadScript("Flight", 3);
    WhenModal([](QWidget* dialog) { TypeInto(Find(dialog, "FilePattern"), "f"); });
    Click(RunButton());
    EXPECT_EQ(panelWhenShown, QSize(275, 200));
    EXPECT_EQ(shown.size(), 1);
}

TEST_F(ScriptCommands, CancellingTheFlightDialogRunsNothing)
{
    LoadScript("Flight", 3);
    const QSize before = PanelSize();
    WhenModal([](QWidget* dialog) { Click(Find(dialog, "CancelBtn")); });
    Click(RunButton());
    EXPECT_EQ(PanelSize(), before);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ScriptCommands, MakePathDrawsOverTheMapAndKeepsThePathBetweenShowings)
{
    int points = -1;
    WhenModal([&points](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Make Path");
        QWidget* box = Find(dialog, "PathBox");
        for (const QPoint at : {QPoint(20, 20), QPoint(60, 40), QPoint(100, 80), QPoint(140, 60)})
            QTest::mouseClick(box, Qt::LeftButton, {}, at);
        // Enter in a field closes the dialog like OK.
        TypeInto(Find(dialog, "Height"), "300");
        points = static_cast<TCreatePath*>(dialog)->Path().PointCount();
    });
    Click(Find(viewer.get(), "MakePathButton"));
    EXPECT_EQ(points, 4);
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();

    WhenModal([&points](QWidget* dialog) {
        points = static_cast<TCreatePath*>(dialog)->Path().PointCount();
        Click(Find(dialog, "OKBtn"));
    });
    ChooseMenuItem(*viewer, "Animation1", "MakePath");
    EXPECT_EQ(points, 4);
}

TEST_F(ScriptCommands, AnotherMapGetsAPathMakerOfItsOwn)
{
    WhenModal([](QWidget* dialog) {
        QTest::mouseClick(Find(dialog, "PathBox"), Qt::LeftButton, {}, {30, 30});
        Click(Find(dialog, "OKBtn"));
    });
    Click(Find(viewer.get(), "MakePathButton"));
    const auto other = CopyTestMap("tiny-sample.lem", "other.lem");
    WhenModal([other](QWidget* fileDialog) {
        WhenModal([](QWidget* parameters) { Click(Find(parameters, "OKBtn")); });
        ChooseFile(fileDialog, QString::fromStdString(other.string()));
    });
    Click(Find(viewer.get(), "LoadButton"));

    int points = -1;
    WhenModal([&points](QWidget* dialog) {
        points = static_cast<TCreatePath*>(dialog)->Path().PointCount();
        Click(Find(dialog, "OKBtn"));
    });
    Click(Find(viewer.get(), "MakePathButton"));
    EXPECT_EQ(points, 0);
}

}  // namespace
