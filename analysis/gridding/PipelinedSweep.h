#pragma once

#include "analysis/gridding/SharedParts.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <memory>

namespace tarn::gridding {

// A Gauss-Seidel sweep over a grid, visit(column, row) for every node in
// turn, row by row and along each row (forward: row 0 and column 0 first;
// backward: the reverse), where a node's update reads the nodes up to two
// steps away and writes only itself.
//
// On a grid of at least kSplitNodes nodes two threads share the sweep (the
// caller and `helper`, as ShareParts), each taking the next row not yet
// taken. A thread updates a block of columns only once the row before it
// has been updated two columns beyond the block, and, as the row after
// waits for it in the same way, no node is read that the sweep alone would
// not yet have updated: every height comes out the same as with one
// thread, whatever the threads' timing. visit must not throw.
template <typename Visit>
void PipelinedSweep(PartHelper* helper, int columns, int rows, bool forward, const Visit& visit)
{
    const std::size_t nodes = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    const auto rowOf = [&](int step) { return forward ? step : rows - 1 - step; };
    const auto columnOf = [&](int step) { return forward ? step : columns - 1 - step; };
    if (nodes < kSplitNodes || rows < 2) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                visit(columnOf(c), rowOf(r));
        return;
    }
    constexpr int kBlock = 32;
    // A thread that finds the row before it behind looks again this many
    // times, some tens of microseconds, before it sleeps until that row moves
    // on: the other thread is mostly a block away, and putting a thread to
    // sleep and waking it costs both threads more than the wait.
    constexpr int kSpins = 2000;
    // How many columns of each row (in sweep order) have been updated.
    const std::unique_ptr<std::atomic<int>[]> done(new std::atomic<int>[static_cast<std::size_t>(rows)]);
    for (int r = 0; r < rows; ++r)
        done[static_cast<std::size_t>(r)].store(0, std::memory_order_relaxed);
    ShareParts(helper, static_cast<std::size_t>(rows), [&](std::size_t part) {
        const int r = static_cast<int>(part);
        for (int begin = 0; begin < columns; begin += kBlock) {
            const int end = std::min(begin + kBlock, columns);
            if (r > 0) {
                const int needed = std::min(end + 2, columns);
                const std::atomic<int>& before = done[part - 1];
                int seen = before.load(std::memory_order_acquire);
                for (int spins = 0; seen < needed; ++spins, seen = before.load(std::memory_order_acquire))
                    if (spins >= kSpins)
                        before.wait(seen, std::memory_order_acquire);
                    else
                        PauseWhileSpinning();
            }
            for (int c = begin; c < end; ++c)
                visit(columnOf(c), rowOf(r));
            done[part].store(end, std::memory_order_release);
            done[part].notify_one();
        }
    });
}

}  // namespace tarn::gridding
