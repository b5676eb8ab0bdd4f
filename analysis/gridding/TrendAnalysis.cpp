#include "analysis/gridding/TrendAnalysis.h"

#include "analysis/gridding/GriddingMessages.h"
#include "model/Errors.h"
#include "model/MapHeader.h"
#include "model/Net.h"

#include <algorithm>

namespace tarn::gridding {

namespace {

constexpr int kFewestCounted = 100;
constexpr int kMostRounds = 1001;

// Parities (1-based column odd, 1-based row odd) of the four passes.
constexpr bool kPasses[4][2] = {{true, true}, {false, false}, {false, true}, {true, false}};

struct RoundCount {
    int counted = 0;
    bool incomplete = false;
};

RoundCount RunRound(TNet& net, int minHeight)
{
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    auto& points = net.Points();
    const auto heightAt = [&](int column, int row) -> std::int16_t& {
        return points[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                      static_cast<std::size_t>(column)].Height;
    };
    RoundCount count;
    for (const auto& pass : kPasses)
        for (int column = pass[0] ? 0 : 1; column < columns; column += 2)
            for (int row = pass[1] ? 0 : 1; row < rows; row += 2) {
                std::int16_t& height = heightAt(column, row);
                if (height == kNullHeight) {
                    double sum = 0;
                    int known = 0;
                    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, rows - 1); ++r)
                        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, columns - 1); ++c)
                            if ((r != row || c != column) && heightAt(c, r) != kNullHeight) {
                                sum += heightAt(c, r);
                                ++known;
                            }
                    if (known == 0) {
                        count.incomplete = true;
                        continue;
                    }
                    height = std::max<std::int16_t>(RoundToInt16(sum / known), static_cast<std::int16_t>(minHeight));
                }
                ++count.counted;
            }
    return count;
}

}  // namespace

void TrendAnalysis(TNet& net, int minHeight)
{
    for (int round = 1;; ++round) {
        const RoundCount count = RunRound(net, minHeight);
        if (count.counted < kFewestCounted) {
            net.UpdateSquares();
            throw ETarnError(msg::TooFewForTrend);
        }
        if (!count.incomplete || round >= kMostRounds)
            break;
    }
    net.UpdateSquares();
}

}  // namespace tarn::gridding
