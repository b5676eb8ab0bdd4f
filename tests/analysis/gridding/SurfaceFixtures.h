#pragma once

#include "analysis/gridding/KnownNode.h"
#include "model/Progress.h"

#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace tarn::gridding::test {

using Surface = std::function<double(int column, int row)>;

// The nodes that a tracer would mark along the contours of a surface at
// every multiple of `interval`: of two neighbouring nodes on either side of
// a contour, the one nearer to it, given the contour's height.
inline std::vector<KnownNode> TraceContours(int columns, int rows, const Surface& surface, double interval)
{
    std::vector<KnownNode> known;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const double here = surface(column, row);
            double bestGap = interval;
            double level = 0;
            const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& step : steps) {
                const int c = column + step[0];
                const int r = row + step[1];
                if (c < 0 || r < 0 || c >= columns || r >= rows)
                    continue;
                const double there = surface(c, r);
                const double crossed = std::floor(std::max(here, there) / interval) * interval;
                if (crossed < std::min(here, there) || here == there)
                    continue;
                if (std::abs(here - crossed) <= std::abs(there - crossed) && std::abs(here - crossed) < bestGap) {
                    bestGap = std::abs(here - crossed);
                    level = crossed;
                }
            }
            if (bestGap < interval)
                known.push_back({column, row, level});
        }
    return known;
}

// A progress that reports a cancel from its n-th pump on (0: never),
// counts the pumps after that and notes a pump from another thread.
class CancellingProgress final : public IProgress {
public:
    explicit CancellingProgress(int cancelAt) : cancelAt_(cancelAt) {}
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        captions.emplace_back(std::string(operation) + "|" + std::string(step));
    }
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override
    {
        pumpedElsewhere = pumpedElsewhere || std::this_thread::get_id() != owner_;
        ++pumps;
        if (cancelAt_ > 0 && pumps >= cancelAt_) {
            pumpsAfterCancel += pumps > cancelAt_ ? 1 : 0;
            return false;
        }
        return true;
    }

    int pumps = 0;
    int pumpsAfterCancel = 0;
    bool pumpedElsewhere = false;  // by a thread other than the one that made it
    std::vector<std::string> captions;

private:
    int cancelAt_;
    std::thread::id owner_ = std::this_thread::get_id();
};

}  // namespace tarn::gridding::test
