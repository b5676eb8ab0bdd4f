#include "controls/longprogress.h"
#include "tests/common/QtPrinters.h"

#include "controls/Animate.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// Records what the reporter passes on.
class RecordingProgress final : public IProgress {
public:
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        captions = std::string(operation) + "/" + std::string(step);
    }
    void setPercent(int value) override { percent = value; }
    void hideProgress() override { hidden = true; }
    bool pump() override { return goOn; }

    std::string captions;
    int percent = -1;
    bool hidden = false;
    bool goOn = true;
};

TEST(LongProgressTest, CarriesItsNamedControls)
{
    TLongProgressDlg dialog;
    auto* globe = dialog.findChild<TAnimated*>("GlobeAnimation");
    ASSERT_NE(globe, nullptr);
    EXPECT_EQ(globe->FrameCount(), 30);
    EXPECT_EQ(globe->Interval(), 10);
    EXPECT_TRUE(globe->Play());
    auto* cancel = dialog.findChild<QPushButton*>("Cancel");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(cancel->isDefault());
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    dialog.Begin("Interpolating", "Gridding");
    EXPECT_EQ(dialog.windowTitle(), "Interpolating");
    EXPECT_EQ(dialog.findChild<QLabel*>("ActivityLabel")->text(), "Gridding");
}

TEST(LongProgressTest, ProgressLetsEventsRunUntilCancel)
{
    TLongProgressDlg dialog;
    dialog.Begin("Work");
    auto* cancel = dialog.findChild<QPushButton*>("Cancel");
    QTimer::singleShot(0, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
    const auto callback = dialog.ProgressCallback();
    EXPECT_EQ(callback(), 1);  // runs the queued click
    EXPECT_EQ(callback(), 0);
    EXPECT_FALSE(dialog.Continue());
    dialog.Begin("Next work");
    EXPECT_EQ(dialog.Progress(), 1);
}

TEST(LongProgressTest, EscapeAndClosingMeanCancel)
{
    TLongProgressDlg dialog;
    dialog.Begin("Work");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.Progress(), 0);
    EXPECT_TRUE(dialog.isVisible());
    dialog.Begin("Work");
    dialog.close();
    EXPECT_EQ(dialog.Progress(), 0);
    dialog.End();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(LongProgressTest, ReporterDrivesTheDialogAndPassesEverythingOn)
{
    TLongProgressDlg dialog;
    RecordingProgress statusBar;
    TLongProgressReporter reporter(dialog, &statusBar);
    reporter.setCaptions("Interpolation", "Gridding");
    reporter.setPercent(40);
    EXPECT_EQ(dialog.findChild<QLabel*>("ActivityLabel")->text(), "Gridding");
    EXPECT_EQ(statusBar.captions, "Interpolation/Gridding");
    EXPECT_EQ(statusBar.percent, 40);
    reporter.setCaptions("Loading", "");
    EXPECT_EQ(dialog.findChild<QLabel*>("ActivityLabel")->text(), "Loading");
    EXPECT_TRUE(reporter.pump());
    statusBar.goOn = false;
    EXPECT_FALSE(reporter.pump());
    statusBar.goOn = true;
    dialog.CancelClick();
    EXPECT_FALSE(reporter.pump());
    reporter.hideProgress();
    EXPECT_TRUE(statusBar.hidden);
}

TEST(LongProgressTest, ReporterWorksAloneWithAModelTicker)
{
    TLongProgressDlg dialog;
    TLongProgressReporter reporter(dialog);
    ProgressTicker ticker(reporter, std::chrono::milliseconds(0));
    dialog.CancelClick();
    EXPECT_FALSE(ticker.pumpNow());
}

}  // namespace
}  // namespace tarn
