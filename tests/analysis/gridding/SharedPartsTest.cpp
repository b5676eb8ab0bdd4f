// Work shared by two threads in parts: which parts there are, that each
// runs once, and how failures come back.
#include "analysis/gridding/SharedParts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace tarn::gridding {
namespace {

struct RowPart {
    int first;
    int end;
    std::size_t part;
    bool operator==(const RowPart&) const = default;
};

std::vector<RowPart> RowPartsOf(int rows, std::size_t nodes)
{
    std::mutex guard;
    std::vector<RowPart> parts;
    SplitRows(nullptr, rows, nodes, [&](int first, int end, std::size_t part) {
        const std::lock_guard lock(guard);
        parts.push_back({first, end, part});
    });
    std::sort(parts.begin(), parts.end(), [](const RowPart& a, const RowPart& b) { return a.part < b.part; });
    return parts;
}

TEST(SharedParts, ASmallGridIsWorkedWholeOnTheCallingThread)
{
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<std::pair<int, int>> calls;
    bool elsewhere = false;
    SplitRows(nullptr, 100, kSplitNodes - 1, [&](int first, int end, std::size_t) {
        calls.emplace_back(first, end);
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
    });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 100}}));
    EXPECT_FALSE(elsewhere);
}

TEST(SharedParts, TheRowsOfALargeGridAreCutIntoFixedPartsInOrder)
{
    for (const int rows : {3, 8, 501}) {
        const std::vector<RowPart> parts = RowPartsOf(rows, kSplitNodes);
        ASSERT_EQ(parts.size(), std::min(kRowParts, static_cast<std::size_t>(rows))) << rows;
        int next = 0;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            EXPECT_EQ(parts[k].part, k);
            EXPECT_EQ(parts[k].first, next) << rows;
            EXPECT_GT(parts[k].end, parts[k].first) << rows;
            next = parts[k].end;
        }
        EXPECT_EQ(next, rows);
        EXPECT_EQ(RowPartsOf(rows, kSplitNodes), parts) << "the same parts every time";
    }
}

TEST(SharedParts, EveryPartRunsOnceAndAllAreDoneOnReturn)
{
    PartHelper kept;
    for (PartHelper* helper : {static_cast<PartHelper*>(nullptr), &kept}) {
        std::vector<std::atomic<int>> runs(1000);
        ShareParts(helper, runs.size(), [&runs](std::size_t part) {
            if (part % 100 == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            ++runs[part];
        });
        for (std::size_t k = 0; k < runs.size(); ++k)
            EXPECT_EQ(runs[k], 1) << "part " << k << (helper ? ", kept helper" : ", thread per call");
    }
}

TEST(SharedParts, AKeptHelperTakesPartsOfCallAfterCall)
{
    PartHelper helper;
    for (int call = 0; call < 200; ++call) {
        // Whichever thread takes part 0 waits there until part 1 has
        // started, which only the other thread can start meanwhile.
        std::atomic<bool> secondStarted = false;
        std::array<std::thread::id, 2> ranOn;
        ShareParts(&helper, 2, [&](std::size_t part) {
            ranOn[part] = std::this_thread::get_id();
            if (part == 1) {
                secondStarted = true;
                return;
            }
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!secondStarted && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::yield();
        });
        ASSERT_TRUE(secondStarted) << "call " << call;
        EXPECT_NE(ranOn[0], ranOn[1]) << "call " << call;
    }
}

TEST(SharedParts, TheFirstFailingPartsExceptionReachesTheCallerOnceAllAreDone)
{
    for (const std::size_t failing : {0U, 5U, 9U}) {
        std::atomic<int> done = 0;
        try {
            ShareParts(nullptr, 10, [&](std::size_t part) {
                if (part >= failing && part % 2 == failing % 2)
                    throw std::runtime_error("part " + std::to_string(part));
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                ++done;
            });
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), "part " + std::to_string(failing));
        }
        int expected = 0;
        for (std::size_t part = 0; part < 10; ++part)
            expected += part >= failing && part % 2 == failing % 2 ? 0 : 1;
        EXPECT_EQ(done, expected) << "failing from part " << failing;
    }
}

}  // namespace
}  // namespace tarn::gridding
