// The sweep shared by two threads against the same sweep on one.
#include "analysis/gridding/PipelinedSweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace tarn::gridding {
namespace {

// A grid whose nodes are updated from the nodes up to two steps away, in a
// way that tells any other order of the updates apart.
struct Grid {
    int columns;
    int rows;
    std::vector<double> values;

    Grid(int width, int height)
        : columns(width), rows(height), values(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    {
        for (std::size_t at = 0; at < values.size(); ++at)
            values[at] = std::sin(static_cast<double>(at));
    }

    void update(int column, int row)
    {
        double sum = 0;
        for (int dr = -2; dr <= 2; ++dr)
            for (int dc = -2; dc <= 2; ++dc) {
                const int c = column + dc;
                const int r = row + dr;
                if (c >= 0 && c < columns && r >= 0 && r < rows && (dc != 0 || dr != 0))
                    sum += (1 + 0.1 * (dr * 5 + dc)) * values[static_cast<std::size_t>(r * columns + c)];
            }
        values[static_cast<std::size_t>(row * columns + column)] = std::cos(sum);
    }
};

TEST(PipelinedSweep, TwoThreadsGiveTheHeightsOfOneInEitherDirection)
{
    PartHelper kept;
    for (PartHelper* helper : {static_cast<PartHelper*>(nullptr), &kept})
        for (const bool forward : {true, false})
            for (const auto& [columns, rows] : {std::pair{131, 127}, {33, 600}, {1000, 17}}) {
                Grid alone(columns, rows);
                for (int r = 0; r < rows; ++r)
                    for (int c = 0; c < columns; ++c)
                        alone.update(forward ? c : columns - 1 - c, forward ? r : rows - 1 - r);
                Grid shared(columns, rows);
                ASSERT_GE(shared.values.size(), kSplitNodes);
                PipelinedSweep(helper, columns, rows, forward,
                               [&shared](int column, int row) { shared.update(column, row); });
                EXPECT_EQ(shared.values, alone.values)
                    << columns << " x " << rows << (forward ? " forward" : " backward")
                    << (helper ? ", kept helper" : ", thread per sweep");
            }
}

TEST(PipelinedSweep, ASmallGridIsSweptInOrderOnTheCallingThread)
{
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<std::pair<int, int>> visited;
    bool elsewhere = false;
    PipelinedSweep(nullptr, 3, 2, false, [&](int column, int row) {
        visited.emplace_back(column, row);
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
    });
    const std::vector<std::pair<int, int>> expected{{2, 1}, {1, 1}, {0, 1}, {2, 0}, {1, 0}, {0, 0}};
    EXPECT_EQ(visited, expected);
    EXPECT_FALSE(elsewhere);
}

}  // namespace
}  // namespace tarn::gridding
