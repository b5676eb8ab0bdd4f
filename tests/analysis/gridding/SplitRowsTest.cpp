// The two-thread row split: which rows each half gets, on which thread, and
// how failures come back.
#include "analysis/gridding/SplitRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace tarn::gridding {
namespace {

struct Half {
    int first;
    int end;
    bool onCaller;
};

std::vector<Half> HalvesOf(int rows, std::size_t nodes)
{
    const std::thread::id caller = std::this_thread::get_id();
    std::mutex guard;
    std::vector<Half> halves;
    SplitRows(rows, nodes, [&](int first, int end) {
        const std::lock_guard lock(guard);
        halves.push_back({first, end, std::this_thread::get_id() == caller});
    });
    std::sort(halves.begin(), halves.end(), [](const Half& a, const Half& b) { return a.first < b.first; });
    return halves;
}

TEST(SplitRows, ASmallGridIsWorkedWholeOnTheCallingThread)
{
    const std::vector<Half> halves = HalvesOf(100, kSplitNodes - 1);
    ASSERT_EQ(halves.size(), 1U);
    EXPECT_EQ(halves[0].first, 0);
    EXPECT_EQ(halves[0].end, 100);
    EXPECT_TRUE(halves[0].onCaller);
}

TEST(SplitRows, ALargeGridIsSplitInFixedHalvesTheFirstOnTheCallingThread)
{
    for (const int rows : {2, 7, 501}) {
        const std::vector<Half> halves = HalvesOf(rows, kSplitNodes);
        ASSERT_EQ(halves.size(), 2U) << rows;
        EXPECT_EQ(halves[0].first, 0);
        EXPECT_EQ(halves[0].end, rows / 2);
        EXPECT_TRUE(halves[0].onCaller);
        EXPECT_EQ(halves[1].first, rows / 2);
        EXPECT_EQ(halves[1].end, rows);
        EXPECT_FALSE(halves[1].onCaller);
    }
}

TEST(SplitRows, AFailureOfEitherHalfReachesTheCallerOnceBothAreDone)
{
    std::atomic<int> done = 0;
    const auto failIn = [&done](int failing) {
        return [&done, failing](int first, int) {
            if (first == failing)
                throw std::runtime_error("half " + std::to_string(failing));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ++done;
        };
    };
    EXPECT_THROW(SplitRows(10, kSplitNodes, failIn(5)), std::runtime_error);
    EXPECT_EQ(done, 1);
    EXPECT_THROW(SplitRows(10, kSplitNodes, failIn(0)), std::runtime_error);
    EXPECT_EQ(done, 2);
    try {
        SplitRows(10, kSplitNodes, [](int first, int) { throw std::runtime_error(first == 0 ? "first" : "second"); });
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "first");
    }
}

}  // namespace
}  // namespace tarn::gridding
