// The walk that prepares rows on a second thread while the ones before are
// drawn.
#include "viewer/render/RowBlocks.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tarn {
namespace {

// What each row went through, and whether a preparation was running while
// between() was called.
struct WalkLog {
    std::vector<std::atomic<int>> prepared;
    std::vector<int> drawnAfterPreparing;
    std::atomic<int> preparing{0};
    int betweenCalls = 0;
    bool betweenWhilePreparing = false;

    explicit WalkLog(int rows) : prepared(static_cast<std::size_t>(rows)) {}

    std::function<void(int)> Prepare()
    {
        return [this](int row) {
            ++preparing;
            ++prepared[static_cast<std::size_t>(row)];
            --preparing;
        };
    }
    std::function<bool(int)> Draw(int stopAt = -1)
    {
        return [this, stopAt](int row) {
            drawnAfterPreparing.push_back(prepared[static_cast<std::size_t>(row)] == 1 ? row : -1);
            return row != stopAt;
        };
    }
    std::function<bool()> Between(int stopAfter = 1 << 30)
    {
        return [this, stopAfter] {
            betweenWhilePreparing = betweenWhilePreparing || preparing != 0;
            return ++betweenCalls < stopAfter;
        };
    }
};

constexpr std::array kPreparations{RowPreparation::InTurn, RowPreparation::Ahead, RowPreparation::AheadShared};

std::vector<int> Rows(int first, int end)
{
    std::vector<int> rows;
    for (int row = first; row < end; ++row)
        rows.push_back(row);
    return rows;
}

TEST(RowBlocks, EveryRowIsPreparedOnceAndDrawnAfterInOrderWithTheThreadsMetBetweenBlocks)
{
    for (const int block : {1, 16})
        for (const auto preparation : kPreparations)
            for (const int rows : {0, 1, 16, 17, 499}) {
                WalkLog log(rows);
                EXPECT_TRUE(RunRowBlocks(rows, block, preparation, log.Prepare(), log.Draw(), log.Between()));
                EXPECT_EQ(log.drawnAfterPreparing, Rows(0, rows))
                    << rows << " rows, preparation " << static_cast<int>(preparation);
                EXPECT_EQ(log.betweenCalls, (rows + block - 1) / block);
                EXPECT_FALSE(log.betweenWhilePreparing);
            }
}

TEST(RowBlocks, AStopFromDrawingOrBetweenEndsTheWalk)
{
    for (const auto preparation : kPreparations) {
        WalkLog drawStop(100);
        EXPECT_FALSE(RunRowBlocks(100, 16, preparation, drawStop.Prepare(), drawStop.Draw(20), drawStop.Between()));
        EXPECT_EQ(drawStop.drawnAfterPreparing, Rows(0, 21));
        EXPECT_EQ(drawStop.betweenCalls, 1) << "after the first block only";

        WalkLog betweenStop(100);
        EXPECT_FALSE(
            RunRowBlocks(100, 16, preparation, betweenStop.Prepare(), betweenStop.Draw(), betweenStop.Between(2)));
        EXPECT_EQ(betweenStop.drawnAfterPreparing, Rows(0, 32));
        EXPECT_FALSE(betweenStop.betweenWhilePreparing);
    }
}

// Shared, a slow preparation is helped by the calling thread once its own
// block is drawn; ahead, the second thread prepares every later row alone.
TEST(RowBlocks, SharedPreparationIsTakenUpByTheCallingThreadToo)
{
    for (const auto preparation : {RowPreparation::Ahead, RowPreparation::AheadShared}) {
        const auto caller = std::this_thread::get_id();
        std::atomic<int> preparedByCaller{0};
        const auto prepare = [&](int row) {
            if (row >= 4 && std::this_thread::get_id() == caller)
                ++preparedByCaller;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        };
        EXPECT_TRUE(RunRowBlocks(
            64, 4, preparation, prepare, [](int) { return true; }, [] { return true; }));
        if (preparation == RowPreparation::Ahead)
            EXPECT_EQ(preparedByCaller, 0);
        else
            EXPECT_GT(preparedByCaller, 0);
    }
}

TEST(RowBlocks, AFailedPreparationReachesTheCaller)
{
    const auto failing = [](int row) {
        if (row == 40)
            throw std::runtime_error("row 40");
    };
    for (const auto preparation : kPreparations) {
        int drawn = 0;
        const auto draw = [&](int) { return ++drawn, true; };
        EXPECT_THROW(RunRowBlocks(100, 16, preparation, failing, draw, [] { return true; }), std::runtime_error);
        EXPECT_LE(drawn, 48);
    }
}

}  // namespace
}  // namespace tarn
