#pragma once

// The test terrain of the gridding benchmarks: a 500 x 500 grid of heights
// 0..1000 m made of a few round hills and hollows over gentle waves, and the
// two inputs gridded from it: 1 % of its nodes picked at random, and the
// nodes along its contours every 50 m (5 % of its range).

#include "analysis/gridding/KnownNode.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tarn::bench {

class AnalyticTerrain {
public:
    static constexpr int kSize = 500;

    AnalyticTerrain() : heights_(static_cast<std::size_t>(kSize) * kSize)
    {
        struct Hill {
            double x, y, width, height;
        };
        constexpr Hill kHills[] = {{120, 140, 60, 1.0}, {360, 380, 80, 0.8}, {300, 120, 45, 0.9}, {90, 400, 70, -0.5},
                                   {420, 250, 35, 0.6}, {230, 290, 100, 0.7}, {180, 60, 30, 0.4}};
        double lowest = 1e300;
        double highest = -1e300;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                double h = 0.12 * std::sin(x / 41.0) * std::cos(y / 57.0) + 0.05 * std::sin((x + 2 * y) / 23.0);
                for (const Hill& hill : kHills)
                    h += hill.height *
                         std::exp(-((x - hill.x) * (x - hill.x) + (y - hill.y) * (y - hill.y)) / (2 * hill.width * hill.width));
                at(x, y) = h;
                lowest = std::min(lowest, h);
                highest = std::max(highest, h);
            }
        for (double& h : heights_)
            h = (h - lowest) / (highest - lowest) * 1000;
    }

    // x eastward, y northward, both 0..499.
    double height(int x, int y) const { return heights_[static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x)]; }

    // 1 % of the nodes, picked with a fixed linear congruential sequence.
    std::vector<gridding::KnownNode> randomNodes() const
    {
        std::vector<gridding::KnownNode> known;
        std::vector<bool> taken(heights_.size(), false);
        std::uint64_t state = 12345;
        while (known.size() < heights_.size() / 100) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const auto at = static_cast<std::size_t>((state >> 33) % heights_.size());
            if (taken[at])
                continue;
            taken[at] = true;
            const int x = static_cast<int>(at % kSize);
            const int y = static_cast<int>(at / kSize);
            known.push_back({x, kSize - 1 - y, height(x, y)});
        }
        return known;
    }

    // The nodes a tracer marks along the contours every 50 m: of two
    // neighbouring nodes on either side of a contour, the nearer one, with
    // the contour's height.
    std::vector<gridding::KnownNode> contourNodes() const
    {
        constexpr double kInterval = 50;
        std::vector<gridding::KnownNode> known;
        constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const double here = height(x, y);
                double bestGap = kInterval;
                double level = 0;
                for (const auto& step : kSteps) {
                    const int nx = x + step[0];
                    const int ny = y + step[1];
                    if (nx < 0 || ny < 0 || nx >= kSize || ny >= kSize)
                        continue;
                    const double there = height(nx, ny);
                    const double crossed = std::floor(std::max(here, there) / kInterval) * kInterval;
                    if (crossed < std::min(here, there) || here == there || crossed <= 0 || crossed >= 1000)
                        continue;
                    const double gap = std::abs(here - crossed);
                    if (gap <= std::abs(there - crossed) && gap < bestGap) {
                        bestGap = gap;
                        level = crossed;
                    }
                }
                if (bestGap < kInterval)
                    known.push_back({x, kSize - 1 - y, level});
            }
        return known;
    }

private:
    double& at(int x, int y) { return heights_[static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x)]; }

    std::vector<double> heights_;
};

}  // namespace tarn::bench
