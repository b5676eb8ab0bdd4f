#include "viewer/render/RowBlocks.h"

#include <algorithm>
#include <future>

namespace tarn {

namespace {

// Long enough to pay for handing a block to the other thread, short enough
// that the user interface is pumped often (16 rows of a large map take a
// few milliseconds).
constexpr int kBlockRows = 16;

}  // namespace

bool RunRowBlocks(int rows, bool ahead, const std::function<void(int)>& prepare,
                  const std::function<bool(int)>& draw, const std::function<bool()>& between)
{
    const auto prepareBlock = [&](int first) {
        for (int row = first; row < std::min(first + kBlockRows, rows); ++row)
            prepare(row);
    };
    if (rows > 0)
        prepareBlock(0);
    for (int first = 0; first < rows; first += kBlockRows) {
        const int next = first + kBlockRows;
        std::future<void> preparing;
        if (ahead && next < rows)
            preparing = std::async(std::launch::async, prepareBlock, next);
        bool going = true;
        for (int row = first; row < std::min(next, rows) && going; ++row)
            going = draw(row);
        if (preparing.valid())
            preparing.get();
        if (!going || !between())
            return false;
        if (!ahead && next < rows)
            prepareBlock(next);
    }
    return true;
}

}  // namespace tarn
