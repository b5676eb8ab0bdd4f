// Create Print Bitmap on a real (virtual) display: the scene the window
// shows, drawn off screen at the size chosen and written under the name
// typed, with the window's own picture left as it was.
#include "PictureDifference.h"
#include "TestFolder.h"
#include "UserActions.h"

#include "controls/Messages.h"
#include "exchange/BmpCodec.h"
#include "model/SettingsStore.h"
#include "tests/common/UserActions.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Viewform.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>


using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

class PrintBitmap : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.string()));
        map = folder / "sample.lem";
        fs::copy_file(fs::path(TARN_SOURCE_DIR) / "data" / "sample.lem", map);
        viewer = std::make_unique<TViewer>(settings);
        viewer->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
        panel = Find<TGLPanel>(viewer.get(), "MainGLPanel");
        WhenModal([this](QWidget* fileDialog) {
            WhenModal([](QWidget* parameters) { Click(Find(parameters, "OKBtn")); });
            ChooseFile(fileDialog, QString::fromStdString(map.string()));
        });
        Click(Find(viewer.get(), "LoadButton"));
        ASSERT_TRUE(viewer->MapLoaded());
        windowPicture = panel->Picture();
        windowSize = panel->size();
    }
    void TearDown() override
    {
        viewer.reset();
        QDir::setCurrent(previousFolder_);
        TestFolder::TearDown();
    }

    // Opens the dialog from the File menu and lets `fill` answer it.
    void CreatePrintBitmap(const std::function<void(QWidget*)>& fill)
    {
        OnNextModal([fill](QWidget& dialog) { fill(&dialog); });
        ChooseMenuItem(*viewer, "File1", "CreatePrintBitmap");
    }

    // The window shows what it showed before, at the size it had, and draws on.
    void ExpectTheWindowAsBefore()
    {
        EXPECT_EQ(panel->size(), windowSize);
        EXPECT_EQ(panel->Picture().bits, windowPicture.bits);
        EXPECT_EQ(viewer->Map().ViewWidth(), windowSize.width());
        EXPECT_EQ(viewer->Map().ViewHeight(), windowSize.height());
        Click(Find(viewer.get(), "RedrawButton"));
        EXPECT_LT(MeanDifference(panel->Picture(), windowPicture), 0.1);
    }

    MemorySettingsStore settings;
    ScopedMessageSink messages{[this](const QString& text, const QString&) { shown.append(text); }};
    QStringList shown;
    fs::path map;
    std::unique_ptr<TViewer> viewer;
    TGLPanel* panel = nullptr;
    TDibPicture windowPicture;
    QSize windowSize;

private:
    QString previousFolder_;
};

}  // namespace

TEST_F(PrintBitmap, WritesTheWindowsViewAtTheSizeChosenWithTheKeyboard)
{
    const auto file = folder / "print2048.bmp";
    CreatePrintBitmap([&file](QWidget* dialog) {
        auto* sizes = Find<QComboBox>(dialog, "SizeCombo");
        ChooseItem(*sizes, "2048 x 1536.");
        TypeInto(Find(dialog, "PrintFile"), QString::fromStdString(file.string()), false);
        Click(Find(dialog, "OKBtn"));
    });
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    ASSERT_TRUE(fs::exists(file));
    const TDibPicture print = ReadBmpFile(file);
    EXPECT_EQ(print.width, 2048);
    EXPECT_EQ(print.height, 1536);

    // The same camera, target and settings as tarntool renders them from
    // the header the window wrote back into the map.
    const auto rendered = folder / "tarntool.bmp";
    const int status = QProcess::execute(TARN_TARNTOOL, {"render", QString::fromStdString(map.string()), "-o",
                                                         QString::fromStdString(rendered.string()), "--size",
                                                         "2048x1536"});
    ASSERT_EQ(status, 0);
    const TDibPicture reference = ReadBmpFile(rendered);
    ASSERT_EQ(reference.bits.size(), print.bits.size());
    const double difference = MeanDifference(print, reference);
    std::cout << "mean difference from tarntool's render " << difference << "\n";
    EXPECT_LT(difference, 0.1);
    ExpectTheWindowAsBefore();
}

TEST_F(PrintBitmap, EnterConfirmsASizePickedWithTheMouse)
{
    CreatePrintBitmap([](QWidget* dialog) {
        auto* sizes = Find<QComboBox>(dialog, "SizeCombo");
        QTest::mouseClick(sizes, Qt::LeftButton);
        QAbstractItemView* list = sizes->view();
        ASSERT_TRUE(WaitFor([list] { return list->isVisible(); }));
        // The list takes no click as quick as a double click's second one.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        const QRect item = list->visualRect(sizes->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        ASSERT_TRUE(WaitFor([list] { return !list->isVisible(); }));
        TypeInto(Find(dialog, "PrintFile"), "Small.BMP");
    });
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    // Written under its short, lower-case name in the current folder.
    const auto file = folder / "small.bmp";
    ASSERT_TRUE(fs::exists(file));
    const TDibPicture print = ReadBmpFile(file);
    EXPECT_EQ(print.width, 1024);
    EXPECT_EQ(print.height, 768);
    ExpectTheWindowAsBefore();
}

TEST_F(PrintBitmap, AnEmptyNameIsRefusedAndNothingIsWritten)
{
    bool stillOpen = false;
    CreatePrintBitmap([&](QWidget* dialog) {
        TypeInto(Find(dialog, "PrintFile"), "   ", false);
        Click(Find(dialog, "OKBtn"));
        stillOpen = dialog->isVisible();
        Click(Find(dialog, "CancelBtn"));
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(shown, QStringList{"E0094 No print bitmap file selected"});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_FALSE(Find<QToolButton>(viewer.get(), "AbortButton")->isEnabled());
}

TEST_F(PrintBitmap, AFolderThatCannotBeWrittenGivesTheErrorAndTheWindowWorksOn)
{
    CreatePrintBitmap([this](QWidget* dialog) {
        TypeInto(Find(dialog, "PrintFile"), QString::fromStdString((folder / "missing" / "print.bmp").string()),
                 false);
        Click(Find(dialog, "OKBtn"));
    });
    EXPECT_EQ(shown, QStringList{"E0090 Error writing picture file"});
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_TRUE(Find<QToolButton>(viewer.get(), "RedrawButton")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>(viewer.get(), "AbortButton")->isEnabled());
    ExpectTheWindowAsBefore();
}

TEST_F(PrintBitmap, AbortStopsTheDrawAndNothingIsWritten)
{
    // A deep subdivision makes a draw long enough to abort; the window's
    // own draw at that depth is aborted too.
    auto* abort = Find<QToolButton>(viewer.get(), "AbortButton");
    WhenModal([abort](QWidget* parameters) {
        ClickTab(Find<QTabWidget>(parameters, "MainPageControl"), 1);
        TypeInto(Find(parameters, "FractalDepthEdit"), "6");
        QTimer::singleShot(300, [abort] { Click(abort); });
        Click(Find(parameters, "OKBtn"));
    });
    Click(Find(viewer.get(), "ParametersButton"));
    const TDibPicture partial = panel->Picture();

    bool busyWhileDrawing = false;
    CreatePrintBitmap([&](QWidget* dialog) {
        ChooseItem(*Find<QComboBox>(dialog, "SizeCombo"), "5120 x 3840.");
        QTimer::singleShot(300, [&] {
            busyWhileDrawing = abort->isEnabled() && !Find<QToolButton>(viewer.get(), "RedrawButton")->isEnabled();
            Click(abort);
        });
        Click(Find(dialog, "OKBtn"));
    });
    EXPECT_TRUE(busyWhileDrawing);
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    EXPECT_FALSE(fs::exists(folder / "print.bmp"));
    EXPECT_FALSE(abort->isEnabled());
    EXPECT_EQ(panel->Picture().bits, partial.bits);
}
