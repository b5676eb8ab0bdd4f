#include "TestMaps.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

namespace {

// Records what a load tells the status bar, and can ask it to stop.
class RecordingProgress final : public IProgress {
public:
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        captions.emplace_back(std::string(operation) + "|" + std::string(step));
    }
    void setPercent(int percent) override { percents.push_back(percent); }
    void hideProgress() override { ++hidden; }
    bool pump() override
    {
        ++pumps;
        return pumps < cancelAtPump;
    }

    std::vector<std::string> captions;
    std::vector<int> percents;
    int hidden = 0;
    int pumps = 0;
    int cancelAtPump = 1 << 30;
};

Bytes LargeMapFile()
{
    TNet net;
    MakeMap(net, 500, 500);
    return net.SaveToBytes();
}

}  // namespace

TEST(LemLoadProgress, ShowsEachStepAndEndsCompleted)
{
    TNet net;
    RecordingProgress progress;
    ASSERT_TRUE(LoadBytes(net, SmallMapFile(), progress));
    const std::vector<std::string> expected = {"Loading LEM|Initialization", "Loading LEM|Loading Heights",
                                               "Loading LEM|Loading Terrains", "Loading LEM|Loading Overlays",
                                               "Loading LEM|Loading Text", "Load completed|"};
    EXPECT_EQ(progress.captions, expected);
    EXPECT_GE(progress.hidden, 1);
    EXPECT_GE(progress.pumps, 1);
    // Every percentage shown is one the bar can draw, and each step ends full.
    for (const int percent : progress.percents) {
        EXPECT_GE(percent, 0);
        EXPECT_LE(percent, 100);
    }
    EXPECT_EQ(progress.percents.back(), 100);
}

TEST(LemLoadProgress, CancelStopsTheLoadAndMarksItUnloaded)
{
    TNet net;
    RecordingProgress progress;
    progress.cancelAtPump = 1;  // the first pump follows the grid set-up
    EXPECT_FALSE(LoadBytes(net, LargeMapFile(), progress));
    EXPECT_TRUE(net.AbortLoad);
    EXPECT_EQ(net.MapHeader.ExtentX, 0);
    EXPECT_EQ(progress.captions.back(), "Load aborted|");
    // What was built before the cancel stays: the grid of the header.
    EXPECT_EQ(net.PointCount(), 250000);
}

// A Cancel button sets the map's flag while the interface breathes.
class CancelButton final : public IProgress {
public:
    explicit CancelButton(TNet& net) : net_(net) {}
    void setCaptions(std::string_view, std::string_view) override {}
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override
    {
        net_.AbortLoad = true;
        return true;
    }

private:
    TNet& net_;
};

TEST(LemLoadProgress, AbortLoadSetDuringAPumpStopsTheLoad)
{
    TNet net;
    CancelButton cancel(net);
    EXPECT_FALSE(LoadBytes(net, SmallMapFile(), cancel));
    EXPECT_EQ(net.MapHeader.ExtentX, 0);
}

TEST(LemLoadProgress, ANewLoadClearsAnEarlierAbort)
{
    TNet net;
    net.AbortLoad = true;
    EXPECT_TRUE(LoadBytes(net, SmallMapFile()));
    EXPECT_FALSE(net.AbortLoad);
}

TEST(ProgressTicker, PumpsByTimeAndReportsEachPercentOnce)
{
    RecordingProgress progress;
    ProgressTicker ticker(progress, std::chrono::milliseconds(0));
    for (int i = 1; i <= 100000; ++i)
        ASSERT_TRUE(ticker.tick(i, 100000));
    EXPECT_EQ(progress.percents.size(), 101u);
    EXPECT_EQ(progress.percents.front(), 0);
    EXPECT_EQ(progress.percents.back(), 100);
    EXPECT_EQ(progress.pumps, 100000);  // a zero interval pumps on every tick

    RecordingProgress slow;
    ProgressTicker patient(slow, std::chrono::hours(1));
    for (int i = 1; i <= 100000; ++i)
        patient.tick(i, 100000);
    EXPECT_EQ(slow.pumps, 0);
}
