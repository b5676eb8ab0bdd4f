// The viewer on a real (virtual) display: loading the sample map through
// the menus draws what tarntool renders of it, the picture is saved at the
// panel's size, a resize blanks it until the next redraw, Abort stops a
// long draw, and the preview follows the dialog.
#include "TestFolder.h"
#include "UserActions.h"

#include "controls/Messages.h"
#include "model/SettingsStore.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Viewform.h"

#include <QAction>
#include <QProcess>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tarn;
using namespace tarn::test;

namespace {

// The sample map's sky colour.
constexpr TDibPicture::Rgb kSky{0xA0, 0xC4, 0xEB};

double SkyShare(const TDibPicture& picture)
{
    long sky = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            sky += picture.PixelAt(x, y) == kSky ? 1 : 0;
    return static_cast<double>(sky) / (static_cast<double>(picture.width) * picture.height);
}

class ViewerDraw : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        map = folder / "sample.lem";
        std::filesystem::copy_file(std::filesystem::path(TARN_SOURCE_DIR) / "data" / "sample.lem", map);
        viewer = std::make_unique<TViewer>(settings);
        viewer->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
        panel = Find<TGLPanel>(viewer.get(), "MainGLPanel");
    }
    void TearDown() override
    {
        viewer.reset();
        TestFolder::TearDown();
    }

    // Load Map through the tool button, confirming the dialog after `change`.
    void LoadThroughTheButton(const std::function<void(QWidget*)>& change = {}, const char* answer = "OKBtn")
    {
        WhenModal([this, change, answer](QWidget* fileDialog) {
            WhenModal([change, answer](QWidget* parameters) {
                if (change)
                    change(parameters);
                Click(Find(parameters, answer));
            });
            ChooseFile(fileDialog, QString::fromStdString(map.string()));
        });
        Click(Find(viewer.get(), "LoadButton"));
    }

    MemorySettingsStore settings;
    ScopedMessageSink messages{[this](const QString& text, const QString&) { shown.append(text); }};
    QStringList shown;
    std::filesystem::path map;
    std::unique_ptr<TViewer> viewer;
    TGLPanel* panel = nullptr;
};

}  // namespace

TEST_F(ViewerDraw, LoadingTheSampleDrawsWhatTarntoolRendersOfIt)
{
    LoadThroughTheButton();
    ASSERT_TRUE(viewer->MapLoaded());
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    const TDibPicture& picture = panel->Picture();
    ASSERT_EQ(picture.width, panel->width());
    ASSERT_EQ(picture.height, panel->height());
    // Terrain, not only sky.
    EXPECT_LT(SkyShare(picture), 0.6);
    EXPECT_GT(SkyShare(picture), 0.05);

    const auto saved = folder / "view.bmp";
    WhenModal([&saved](QWidget* dialog) { ChooseFile(dialog, QString::fromStdString(saved.string())); });
    Click(Find(viewer.get(), "SaveButton"));
    const TDibPicture fromFile = ReadBmpFile(saved);
    EXPECT_EQ(fromFile.width, panel->width());
    EXPECT_EQ(fromFile.height, panel->height());
    EXPECT_EQ(fromFile.bits, picture.bits);

    const auto rendered = folder / "tarntool.bmp";
    const int status = QProcess::execute(
        TARN_TARNTOOL, {"render", QString::fromStdString(map.string()), "-o", QString::fromStdString(rendered.string()),
                        "--size", QString("%1x%2").arg(picture.width).arg(picture.height)});
    ASSERT_EQ(status, 0);
    const TDibPicture reference = ReadBmpFile(rendered);
    ASSERT_EQ(reference.bits.size(), picture.bits.size());
    long total = 0;
    long far = 0;
    for (std::size_t i = 0; i < picture.bits.size(); ++i) {
        const int difference = std::abs(picture.bits[i] - reference.bits[i]);
        total += difference;
        far += difference > 24 ? 1 : 0;
    }
    // The same Mesa rasteriser draws both; only the context differs.
    const double meanDifference = static_cast<double>(total) / static_cast<double>(picture.bits.size());
    const double farShare = static_cast<double>(far) / static_cast<double>(picture.bits.size());
    std::cout << "mean difference " << meanDifference << ", share differing by more than 24: " << farShare << "\n";
    EXPECT_LT(meanDifference, 0.1);
    EXPECT_LT(farShare, 0.001);
}

TEST_F(ViewerDraw, CancellingTheDialogAfterLoadingDrawsNothing)
{
    LoadThroughTheButton({}, "CancelBtn");
    EXPECT_TRUE(viewer->MapLoaded());
    const auto& bits = panel->Picture().bits;
    EXPECT_TRUE(std::all_of(bits.begin(), bits.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_FALSE(Find<QToolButton>(viewer.get(), "RedrawButton")->isEnabled());
    EXPECT_FALSE(viewer->findChild<QAction*>("Redraw")->isEnabled());
}

TEST_F(ViewerDraw, AResizeBlanksThePictureUntilTheNextRedraw)
{
    LoadThroughTheButton();
    const auto saved = folder / "view.bmp";
    WhenModal([&saved](QWidget* dialog) { ChooseFile(dialog, QString::fromStdString(saved.string())); });
    Click(Find(viewer.get(), "SaveButton"));
    viewer->resize(viewer->width() - 100, viewer->height() - 60);
    QTest::qWait(100);
    // The remembered name is used without asking.
    Click(Find(viewer.get(), "SaveButton"));
    const TDibPicture blank = ReadBmpFile(saved);
    EXPECT_EQ(blank.width, panel->width());
    EXPECT_EQ(blank.height, panel->height());
    EXPECT_TRUE(std::all_of(blank.bits.begin(), blank.bits.end(), [](std::uint8_t b) { return b == 0; }));
    Click(Find(viewer.get(), "RedrawButton"));
    EXPECT_EQ(panel->Picture().width, panel->width());
    EXPECT_LT(SkyShare(panel->Picture()), 0.6);
}

TEST_F(ViewerDraw, AbortStopsALongDrawAndTheWindowIsReadyAgain)
{
    LoadThroughTheButton();
    const double fullSky = SkyShare(panel->Picture());
    auto* abort = Find<QToolButton>(viewer.get(), "AbortButton");
    auto* redraw = Find<QToolButton>(viewer.get(), "RedrawButton");
    EXPECT_FALSE(abort->isEnabled());
    bool busyWhileDrawing = false;
    WhenModal([&](QWidget* parameters) {
        ClickTab(Find<QTabWidget>(parameters, "MainPageControl"), 1);
        TypeInto(Find(parameters, "FractalDepthEdit"), "6");
        QTimer::singleShot(300, [&] {
            busyWhileDrawing = abort->isEnabled() && !redraw->isEnabled();
            Click(abort);
        });
        Click(Find(parameters, "OKBtn"));
    });
    Click(Find(viewer.get(), "ParametersButton"));
    EXPECT_TRUE(busyWhileDrawing);
    EXPECT_FALSE(abort->isEnabled());
    EXPECT_TRUE(redraw->isEnabled());
    // Only part of the landscape was drawn.
    EXPECT_GT(SkyShare(panel->Picture()), fullSky + 0.1);
}

TEST_F(ViewerDraw, ClosingDuringADrawStopsItAndClosesAfterwards)
{
    LoadThroughTheButton();
    bool refusedWhileDrawing = false;
    WhenModal([&](QWidget* parameters) {
        ClickTab(Find<QTabWidget>(parameters, "MainPageControl"), 1);
        TypeInto(Find(parameters, "FractalDepthEdit"), "6");
        QTimer::singleShot(300, [&] {
            refusedWhileDrawing = !viewer->close();
        });
        Click(Find(parameters, "OKBtn"));
    });
    Click(Find(viewer.get(), "ParametersButton"));
    EXPECT_TRUE(refusedWhileDrawing);
    QTRY_VERIFY(!viewer->isVisible());
}

TEST_F(ViewerDraw, ThePreviewFollowsTheDialog)
{
    TDibPicture before;
    TDibPicture after;
    LoadThroughTheButton([&](QWidget* parameters) {
        auto* preview = Find<TGLPanel>(viewer.get(), "PreviewGLPanel");
        before = preview->Picture();
        TypeInto(Find(parameters, "LightAz"), "300");
        after = preview->Picture();
    });
    ASSERT_EQ(before.width, 324);
    EXPECT_FALSE(std::all_of(before.bits.begin(), before.bits.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_NE(before.bits, after.bits);
}
