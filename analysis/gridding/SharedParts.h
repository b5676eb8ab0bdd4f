#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tarn::gridding {

// Grids with fewer nodes than this are worked in one piece: a second thread
// costs more than it saves on them.
constexpr std::size_t kSplitNodes = 16384;
// The parts that the rows of a larger grid are cut into.
constexpr std::size_t kRowParts = 8;

// Tells the processor that the thread is spinning, so that it spends less
// power and leaves more to the other hardware thread of its core.
inline void PauseWhileSpinning()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

namespace detail {

// The parts of one ShareParts call, claimed in order by whichever thread
// asks next. The helper thread holds this too, so that it may start late,
// after the caller has gone, and find nothing left to claim.
struct PartClaims {
    explicit PartClaims(std::size_t parts) : count(parts), failures(parts) {}

    // Runs parts until none is left unclaimed.
    void claimAndRun()
    {
        for (std::size_t part = next.fetch_add(1); part < count; part = next.fetch_add(1)) {
            try {
                (*run)(part);
            } catch (...) {
                failures[part] = std::current_exception();
            }
            if (finished.fetch_add(1, std::memory_order_acq_rel) + 1 == count)
                finished.notify_all();
        }
    }

    const std::size_t count;
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> finished = 0;
    std::vector<std::exception_ptr> failures;  // by part
    // The caller's work; only used for a claimed part, which the caller waits for.
    const std::function<void(std::size_t)>* run = nullptr;
};

}  // namespace detail

// A second thread kept for a whole computation, which takes its share of the
// parts of every ShareParts call given it. Handing it parts costs far less
// than starting a thread for each call, the solver's hundreds of short
// loops included: after each share it looks for the next one for some tens
// of microseconds before it sleeps. When no thread can be had, the callers
// do every part themselves.
class PartHelper {
public:
    PartHelper();
    ~PartHelper();
    PartHelper(const PartHelper&) = delete;
    PartHelper& operator=(const PartHelper&) = delete;

    // Lets the helper claim parts of `claims` too, in place of any offer it
    // has not yet taken up; returns at once.
    void offer(std::shared_ptr<detail::PartClaims> claims);

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<detail::PartClaims> offered_;  // guarded by mutex_
    std::atomic<bool> hasOffer_ = false;           // whether offered_ is set, for the looking before sleeping
    bool sleeping_ = false;                        // guarded by mutex_
    bool stopping_ = false;                        // guarded by mutex_
    std::thread thread_;
};

// Runs part(k) once for every k in [0, count), shared between the calling
// thread and a second one, `helper`, or when that is null, a thread started
// for this call: each takes the next part not yet taken, so the caller
// never waits for the other thread to start (when the machine is busy it
// may do every part itself), only for parts the other has taken. Which part
// does what is fixed, so a result that each part writes to its own place
// does not depend on the threads' timing. Returns once every part is done;
// if parts threw, the exception of the first such part reaches the caller.
template <typename Part>
void ShareParts(PartHelper* helper, std::size_t count, const Part& part)
{
    if (count < 2) {
        for (std::size_t k = 0; k < count; ++k)
            part(k);
        return;
    }
    const std::function<void(std::size_t)> run = [&part](std::size_t k) { part(k); };
    const auto claims = std::make_shared<detail::PartClaims>(count);
    claims->run = &run;
    if (helper) {
        helper->offer(claims);
    } else {
        try {
            std::thread([claims] { claims->claimAndRun(); }).detach();
        } catch (const std::system_error&) {
            // No thread to be had: the caller does every part.
        }
    }
    claims->claimAndRun();
    for (std::size_t seen = claims->finished.load(std::memory_order_acquire); seen < count;
         seen = claims->finished.load(std::memory_order_acquire))
        claims->finished.wait(seen, std::memory_order_acquire);
    for (const std::exception_ptr& failure : claims->failures)
        if (failure)
            std::rethrow_exception(failure);
}

// The first of `total` items that part `part` of `parts` equal parts takes;
// part `parts` gives `total`.
inline std::size_t PartStart(std::size_t total, std::size_t parts, std::size_t part)
{
    return total * part / parts;
}

// The number of parts that the rows of a grid of `nodes` nodes are cut
// into: kRowParts from kSplitNodes nodes on, at most one per row.
inline std::size_t RowParts(int rows, std::size_t nodes)
{
    return nodes < kSplitNodes ? 1 : std::min(kRowParts, static_cast<std::size_t>(std::max(rows, 1)));
}

// Runs work(firstRow, endRow, part) for the RowParts(rows, nodes) fixed parts
// of the rows [0, rows), shared by two threads (ShareParts).
template <typename Work>
void SplitRows(PartHelper* helper, int rows, std::size_t nodes, const Work& work)
{
    const std::size_t parts = RowParts(rows, nodes);
    const auto total = static_cast<std::size_t>(rows);
    ShareParts(helper, parts, [&](std::size_t part) {
        work(static_cast<int>(PartStart(total, parts, part)), static_cast<int>(PartStart(total, parts, part + 1)),
             part);
    });
}

}  // namespace tarn::gridding
