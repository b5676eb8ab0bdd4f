#include "viewer/render/RowBlocks.h"

#include <algorithm>
#include <future>

namespace tarn {

bool RunRowBlocks(int rows, int blockRows, bool ahead, const std::function<void(int)>& prepare,
                  const std::function<bool(int)>& draw, const std::function<bool()>& between)
{
    blockRows = std::max(blockRows, 1);
    const auto prepareBlock = [&](int first) {
        for (int row = first; row < std::min(first + blockRows, rows); ++row)
            prepare(row);
    };
    if (rows > 0)
        prepareBlock(0);
    for (int first = 0; first < rows; first += blockRows) {
        const int next = first + blockRows;
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
