#pragma once

#include <cstddef>
#include <future>

namespace tarn::gridding {

// Grids with fewer nodes than this are worked in one piece: starting a
// second thread costs more than it saves on them.
constexpr std::size_t kSplitNodes = 16384;

// Runs work(begin, end) over [0, count): when `split`, in two fixed halves,
// [0, count / 2) on the calling thread and the rest on a thread of its own;
// otherwise work(0, count) on the calling thread. The halves never depend on
// the threads' timing, so neither does a result that each half writes to
// its own part. Returns once both halves are done; an exception from either
// reaches the caller (the first half's when both throw).
template <typename Work>
void SplitInHalves(std::size_t count, bool split, const Work& work)
{
    if (!split || count < 2) {
        work(std::size_t{0}, count);
        return;
    }
    const std::size_t middle = count / 2;
    // A future from std::async waits for its thread when destroyed, so the
    // second half is over before an exception from the first leaves here.
    std::future<void> second = std::async(std::launch::async, [&work, middle, count] { work(middle, count); });
    work(std::size_t{0}, middle);
    second.get();
}

// Runs work(firstRow, endRow) over the rows [0, rows) of a grid of `nodes`
// nodes, split in halves (SplitInHalves) when the grid has at least
// kSplitNodes nodes.
template <typename Work>
void SplitRows(int rows, std::size_t nodes, const Work& work)
{
    SplitInHalves(static_cast<std::size_t>(rows), nodes >= kSplitNodes, [&work](std::size_t begin, std::size_t end) {
        work(static_cast<int>(begin), static_cast<int>(end));
    });
}

}  // namespace tarn::gridding
