#pragma once

#include <cstddef>
#include <future>

namespace tarn::gridding {

// Grids with fewer nodes than this are worked in one piece: starting a
// second thread costs more than it saves on them.
constexpr std::size_t kSplitNodes = 16384;

// Runs work(firstRow, endRow) over the rows [0, rows) of a grid of `nodes`
// nodes: in two fixed halves when the grid has at least kSplitNodes nodes,
// rows [0, rows / 2) on the calling thread and the rest on a thread of its
// own; otherwise work(0, rows) on the calling thread. The halves never
// depend on the threads' timing, so neither does a result that each half
// writes to its own rows. Returns once both halves are done; an exception
// from either reaches the caller (the first half's when both throw).
template <typename Work>
void SplitRows(int rows, std::size_t nodes, const Work& work)
{
    if (nodes < kSplitNodes || rows < 2) {
        work(0, rows);
        return;
    }
    const int middle = rows / 2;
    // A future from std::async waits for its thread when destroyed, so the
    // second half is over before an exception from the first leaves here.
    std::future<void> second = std::async(std::launch::async, [&work, middle, rows] { work(middle, rows); });
    work(0, middle);
    second.get();
}

}  // namespace tarn::gridding
