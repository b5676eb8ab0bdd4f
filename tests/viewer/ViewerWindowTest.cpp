// The viewer's main window without OpenGL: loading maps, cancelling the
// Parameters dialog, damaged files, the command line, writing the view
// parameters back, saving pictures and help.
#include "TestFolder.h"
#include "UserActions.h"

#include "controls/HelpWindow.h"
#include "controls/Messages.h"
#include "tests/common/UserActions.h"
#include "model/SettingsStore.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Viewform.h"

#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QRegularExpression>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHeaderSize = 2576;
constexpr std::size_t kViewerModeOffset = 355;
constexpr std::size_t kSmoothingOffset = 2336;
constexpr std::size_t kLightAzOffset = 266;

const char* const kMapActions[] = {"ViewParameters", "MakePath",      "LoadScript",        "CopyAsBitmap",
                                   "SavePicture",    "SavePictureAs", "CreatePrintBitmap", "Redraw"};

class ViewerWindow : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        map = CopyTestMap("tiny-sample.lem");
        viewer = std::make_unique<TViewer>(settings);
        viewer->show();
    }
    void TearDown() override
    {
        viewer.reset();
        TestFolder::TearDown();
    }

    // Load Map through the menu's tool button; the Parameters dialog gets
    // `answer` (OK unless told otherwise) after `change`.
    void Load(const fs::path& file, const char* answer = "OKBtn", const std::function<void(QWidget*)>& change = {})
    {
        WhenModal([file, answer, change](QWidget* fileDialog) {
            WhenModal([answer, change](QWidget* parameters) {
                if (change)
                    change(parameters);
                Click(Find(parameters, answer));
            });
            ChooseFile(fileDialog, QString::fromStdString(file.string()));
        });
        Click(Find(viewer.get(), "LoadButton"));
    }

    bool MapCommandsEnabled() const
    {
        bool any = false;
        for (const char* name : kMapActions)
            any = any || viewer->findChild<QAction*>(name)->isEnabled();
        for (const char* name : {"SaveButton", "ParametersButton", "RedrawButton", "MakePathButton", "LoadScriptButton"})
            any = any || viewer->findChild<QToolButton*>(name)->isEnabled();
        return any;
    }

    // Messages other than the one that says the off-screen platform draws nothing.
    QStringList Messages() const { return shown.filter(QRegularExpression("^(?!E0140)")); }

    MemorySettingsStore settings;
    ScopedMessageSink messages{[this](const QString& text, const QString&) { shown.append(text); }};
    QStringList shown;
    fs::path map;
    std::unique_ptr<TViewer> viewer;
};

}  // namespace

TEST_F(ViewerWindow, StartsWithOnlyLoadMapExitAndContents)
{
    EXPECT_EQ(viewer->windowTitle(), "Ravelstride 98 Beta 2.3");
    EXPECT_FALSE(MapCommandsEnabled());
    EXPECT_FALSE(viewer->findChild<QAction*>("RunScript")->isEnabled());
    for (const char* name : {"LoadMap", "ExitApp", "HelpContents"})
        EXPECT_TRUE(viewer->findChild<QAction*>(name)->isEnabled()) << name;
    EXPECT_TRUE(Find<QToolButton>(viewer.get(), "LoadButton")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>(viewer.get(), "AbortButton")->isEnabled());
    EXPECT_EQ(viewer->PathPointCount(), 0);
}

TEST_F(ViewerWindow, CancellingTheDialogAfterLoadingLeavesTheMenusDisabledAndNothingDrawn)
{
    const Bytes before = ReadAll(map);
    Load(map, "CancelBtn");
    EXPECT_TRUE(viewer->MapLoaded());
    EXPECT_FALSE(MapCommandsEnabled());
    const auto& bits = Find<TGLPanel>(viewer.get(), "MainGLPanel")->Picture().bits;
    EXPECT_TRUE(std::all_of(bits.begin(), bits.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    viewer->close();
    EXPECT_EQ(ReadAll(map), before);
}

TEST_F(ViewerWindow, ConfirmingWritesOnlyTheHeaderBackWithTheViewerModeSet)
{
    Bytes before = ReadAll(map);
    before[kViewerModeOffset] = 0;
    before[kSmoothingOffset] = 1;
    WriteAll(map, before);
    Load(map, "OKBtn", [](QWidget* parameters) { TypeInto(Find(parameters, "LightAz"), "200"); });
    EXPECT_TRUE(MapCommandsEnabled());
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join("; ").toStdString();
    // Qt's off-screen platform has no OpenGL: the draw says so, once.
    EXPECT_EQ(shown.count("E0140 OpenGL is not available on this display"), 1);
    const Bytes after = ReadAll(map);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin() + kHeaderSize, after.end(), before.begin() + kHeaderSize));
    EXPECT_EQ(after[kViewerModeOffset], 3);
    EXPECT_EQ(after[kViewerModeOffset + 1], 0);
    EXPECT_EQ(after[kSmoothingOffset], 0);
    EXPECT_EQ(after[kLightAzOffset], 200);
    EXPECT_EQ(viewer->ViewParameters().LightAz, 200);
}

TEST_F(ViewerWindow, AReadOnlyMapIsNeverWritten)
{
    fs::permissions(map, fs::perms::owner_read | fs::perms::group_read);
    const Bytes before = ReadAll(map);
    Load(map, "OKBtn", [](QWidget* parameters) { TypeInto(Find(parameters, "LightAz"), "200"); });
    EXPECT_EQ(viewer->ViewParameters().LightAz, 200);
    viewer->close();
    EXPECT_EQ(ReadAll(map), before);
}

TEST_F(ViewerWindow, TheViewParametersGoBackBeforeTheNextMapAndOnClosing)
{
    const fs::path second = CopyTestMap("tiny-sample.lem", "second.lem");
    Load(map, "OKBtn", [](QWidget* parameters) { TypeInto(Find(parameters, "LightAz"), "200"); });
    // Someone else changes the header meanwhile; the viewer's parameters win.
    Bytes changed = ReadAll(map);
    changed[kLightAzOffset] = 17;
    WriteAll(map, changed);
    Load(second, "CancelBtn");
    EXPECT_EQ(ReadAll(map)[kLightAzOffset], 200);

    Load(second, "OKBtn", [](QWidget* parameters) { TypeInto(Find(parameters, "LightAz"), "100"); });
    changed = ReadAll(second);
    changed[kLightAzOffset] = 17;
    WriteAll(second, changed);
    viewer->close();
    EXPECT_EQ(ReadAll(second)[kLightAzOffset], 100);
}

TEST_F(ViewerWindow, ADamagedMapIsReportedAndTheWindowStaysUsable)
{
    Load(map);
    ASSERT_TRUE(MapCommandsEnabled());
    const fs::path damaged = folder / "damaged.lem";
    Bytes bytes = ReadAll(map);
    bytes.resize(3000);
    WriteAll(damaged, bytes);
    shown.clear();
    WhenModal([&damaged](QWidget* fileDialog) { ChooseFile(fileDialog, QString::fromStdString(damaged.string())); });
    Click(Find(viewer.get(), "LoadButton"));
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages().first().startsWith("E0061")) << Messages().first().toStdString();
    EXPECT_FALSE(viewer->MapLoaded());
    // Nothing of the map that is gone can be drawn, saved or written.
    EXPECT_FALSE(MapCommandsEnabled());
    EXPECT_TRUE(Find<QToolButton>(viewer.get(), "LoadButton")->isEnabled());
    EXPECT_EQ(ReadAll(damaged), bytes);
    Load(map);
    EXPECT_TRUE(viewer->MapLoaded());
    EXPECT_TRUE(MapCommandsEnabled());
}

TEST_F(ViewerWindow, AMapPathSplitIntoWordsIsJoinedAndLoadedAtStart)
{
    const fs::path spaced = CopyTestMap("tiny-sample.lem", "my tiny map.lem");
    const QString joined = MapFileFromArguments(
        {"flyview", QString::fromStdString((folder / "my").string()), "tiny", "map.lem"});
    EXPECT_EQ(joined.toStdString(), spaced.string());
    viewer.reset();
    WhenModal([](QWidget* parameters) { Click(Find(parameters, "OKBtn")); });
    viewer = std::make_unique<TViewer>(settings, joined);
    viewer->show();
    QTRY_VERIFY(viewer->MapLoaded());
    EXPECT_EQ(viewer->MapFileName(), joined);
    EXPECT_TRUE(MapCommandsEnabled());
}

TEST_F(ViewerWindow, SavePictureAsksForANameOnlyTheFirstTime)
{
    Load(map);
    const fs::path picture = folder / "view.bmp";
    WhenModal([&picture](QWidget* dialog) { ChooseFile(dialog, QString::fromStdString(picture.string())); });
    Click(Find(viewer.get(), "SaveButton"));
    ASSERT_TRUE(fs::exists(picture));
    const TGLPanel* panel = Find<TGLPanel>(viewer.get(), "MainGLPanel");
    EXPECT_EQ(ReadBmpFile(picture).width, panel->width());
    fs::remove(picture);
    Click(Find(viewer.get(), "SaveButton"));
    EXPECT_TRUE(fs::exists(picture));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ViewerWindow, HelpContentsShowsTheViewersFirstPage)
{
    viewer->findChild<QAction*>("HelpContents")->trigger();
    auto* help = Find<THelpWindow>(viewer.get(), "HelpWindow");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentTopic(), 1);
    EXPECT_TRUE(help->PageText().contains("Ravelstride"));
}

TEST_F(ViewerWindow, ThePrintBitmapDialogKeepsTheFileChosenAndHasItsOwnHelp)
{
    Load(map);
    const fs::path chosen = folder / "Poster.bmp";
    WhenModal([&chosen](QWidget* dialog) {
        EXPECT_EQ(Find<QComboBox>(dialog, "SizeCombo")->currentText(), "800 x 600.");
        EXPECT_EQ(Find<QLineEdit>(dialog, "PrintFile")->text(), "print.bmp");
        WhenModal([&chosen](QWidget* save) { ChooseFile(save, QString::fromStdString(chosen.string())); });
        Click(Find(dialog, "GetOverlay"));
        Click(Find(dialog, "HelpBtn"));
        Click(Find(dialog, "CancelBtn"));
    });
    ChooseMenuItem(*viewer, "File1", "CreatePrintBitmap");
    auto* help = Find<THelpWindow>(viewer.get(), "HelpWindow");
    EXPECT_EQ(help->CurrentTopic(), 22);
    EXPECT_TRUE(help->PageText().contains("Create Print Bitmap"));
    QString shownName;
    WhenModal([&shownName](QWidget* dialog) {
        shownName = Find<QLineEdit>(dialog, "PrintFile")->text();
        Click(Find(dialog, "CancelBtn"));
    });
    ChooseMenuItem(*viewer, "File1", "CreatePrintBitmap");
    EXPECT_EQ(shownName, QString::fromStdString((folder / "poster.bmp").string()));
    EXPECT_FALSE(fs::exists(chosen));
}

TEST_F(ViewerWindow, HintsFollowTheSettingAtStart)
{
    for (const bool on : {true, false}) {
        settings.WriteInteger(kViewerSettingsKey, "General", "ShowHints", on ? 1 : 0);
        viewer = std::make_unique<TViewer>(settings);
        viewer->show();
        QToolTip::hideText();
        auto* load = Find<QToolButton>(viewer.get(), "LoadButton");
        QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), load->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(load, &tip);
        EXPECT_EQ(QToolTip::isVisible(), on);
        EXPECT_EQ(QToolTip::text(), on ? "Load Map" : "");
    }
}
