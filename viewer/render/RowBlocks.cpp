#include "viewer/render/RowBlocks.h"

#include <algorithm>
#include <atomic>
#include <future>

namespace tarn {

namespace {

// Hands out the rows of one block to whichever thread asks next.
class RowDealer {
public:
    RowDealer(int first, int end) : next_(first), end_(end) {}
    void PrepareRemaining(const std::function<void(int)>& prepare)
    {
        for (int row = next_++; row < end_; row = next_++)
            prepare(row);
    }

private:
    std::atomic<int> next_;
    const int end_;
};

}  // namespace

bool RunRowBlocks(int rows, int blockRows, RowPreparation preparation, const std::function<void(int)>& prepare,
                  const std::function<bool(int)>& draw, const std::function<bool()>& between)
{
    blockRows = std::max(blockRows, 1);
    const bool ahead = preparation != RowPreparation::InTurn;
    const auto prepareBlock = [&](int first) {
        for (int row = first; row < std::min(first + blockRows, rows); ++row)
            prepare(row);
    };
    if (rows > 0)
        prepareBlock(0);
    for (int first = 0; first < rows; first += blockRows) {
        const int next = first + blockRows;
        RowDealer dealer(next, std::min(next + blockRows, rows));
        std::future<void> preparing;
        if (ahead && next < rows)
            preparing = std::async(std::launch::async, [&] { dealer.PrepareRemaining(prepare); });
        bool going = true;
        for (int row = first; row < std::min(next, rows) && going; ++row)
            going = draw(row);
        if (preparing.valid()) {
            if (going && preparation == RowPreparation::AheadShared)
                dealer.PrepareRemaining(prepare);
            preparing.get();
        }
        if (!going || !between())
            return false;
        if (!ahead && next < rows)
            prepareBlock(next);
    }
    return true;
}

}  // namespace tarn
