// The coarser grids' operators against P^T A P worked out node by node.
#include "analysis/gridding/Coarsening.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>

namespace tarn::gridding {
namespace {

// The weight with which the coarser node (jc, jr) spreads to the finer node
// (c, r), 0 when (c, r) does not take part.
template <typename Fine>
double Spread(const Fine& fine, int c, int r, int jc, int jr)
{
    const std::size_t at = fine.index(c, r);
    if (!fine.takesPart(at) || std::abs(c - 2 * jc) > 1 || std::abs(r - 2 * jr) > 1)
        return 0;
    return (c == 2 * jc ? 1.0 : 0.5) * (r == 2 * jr ? 1.0 : 0.5);
}

// Entry (J, K) of P^T A P, summed over every pair of finer nodes (those
// that J spreads to and their rows).
template <typename Fine>
double GalerkinEntry(const Fine& fine, int jc, int jr, int kc, int kr)
{
    double sum = 0;
    for (int pr = std::max(2 * jr - 1, 0); pr <= std::min(2 * jr + 1, fine.rows() - 1); ++pr)
        for (int pc = std::max(2 * jc - 1, 0); pc <= std::min(2 * jc + 1, fine.columns() - 1); ++pc) {
            const double left = Spread(fine, pc, pr, jc, jr);
            if (left == 0)
                continue;
            const Stencil& row = fine.stencil(fine.index(pc, pr));
            for (int sr = -2; sr <= 2; ++sr)
                for (int sc = -2; sc <= 2; ++sc) {
                    const int qc = pc + sc;
                    const int qr = pr + sr;
                    if (qc < 0 || qr < 0 || qc >= fine.columns() || qr >= fine.rows())
                        continue;
                    sum += left * row[StencilSlot(sc, sr)] * Spread(fine, qc, qr, kc, kr);
                }
        }
    return sum;
}

template <typename Fine>
void ExpectGalerkin(const Fine& fine, const StencilLevel& coarse)
{
    for (int jr = 0; jr < coarse.rows(); ++jr)
        for (int jc = 0; jc < coarse.columns(); ++jc)
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc) {
                    const int kc = jc + dc;
                    const int kr = jr + dr;
                    if (kc < 0 || kr < 0 || kc >= coarse.columns() || kr >= coarse.rows())
                        continue;
                    ASSERT_NEAR(coarse.stencil(coarse.index(jc, jr))[StencilSlot(dc, dr)],
                                GalerkinEntry(fine, jc, jr, kc, kr), 1e-9)
                        << "coarser node " << jc << "," << jr << " to " << kc << "," << kr;
                }
}

// A grid wide enough for rows shared by many nodes, with held nodes (single
// ones and a short line) and slope terms among them, and one held corner.
SplineLevel MixedLevel()
{
    SplineLevel level(23, 19, SplineWeights::FromTensions(0.1, 0.25));
    for (const auto& [column, row] : {std::pair{9, 7}, {10, 7}, {11, 7}, {12, 7}, {16, 12}, {5, 14}, {0, 0}})
        level.fixed()[level.index(column, row)] = 1;
    level.addSlopeTerms({{true, level.index(9, 7), level.index(11, 7), 2.0, 16},
                         {false, level.index(16, 11), level.index(16, 13), -1.0, 16}});
    return level;
}

TEST(Coarsening, EveryCoarserRowIsTheGalerkinProductNearHeldNodesEdgesAndSlopes)
{
    const SplineLevel fine = MixedLevel();
    const auto keepGoing = [] { return true; };
    const std::optional<StencilLevel> coarse = Coarsen(fine, keepGoing);
    ASSERT_TRUE(coarse);
    ExpectGalerkin(fine, *coarse);
    // And one level further, from rows that are stencils of their own.
    const std::optional<StencilLevel> coarser = Coarsen(*coarse, keepGoing);
    ASSERT_TRUE(coarser);
    ExpectGalerkin(*coarse, *coarser);
}

TEST(Coarsening, AStopAskedForLeavesNoGrid)
{
    EXPECT_FALSE(Coarsen(MixedLevel(), [] { return false; }));
}

// A grid large enough to be coarsened on two threads, with held nodes, a
// line and slope terms on and around the finer rows where the coarser rows
// are shared out.
SplineLevel LargeMixedLevel()
{
    SplineLevel level(131, 133, SplineWeights::FromTensions(0.1, 0.25));
    for (int column = 40; column < 60; ++column)
        level.fixed()[level.index(column, 66)] = 1;
    for (const auto& [column, row] : {std::pair{70, 64}, {71, 65}, {72, 67}, {73, 68}, {90, 66}, {3, 2}})
        level.fixed()[level.index(column, row)] = 1;
    level.addSlopeTerms({{true, level.index(44, 66), level.index(46, 66), 2.0, 16},
                         {false, level.index(90, 65), level.index(90, 67), -1.0, 16},
                         {false, level.index(72, 66), level.index(72, 68), 1.5, 16}});
    return level;
}

TEST(Coarsening, ALargeGridSharedOutBetweenThreadsIsTheGalerkinProduct)
{
    const SplineLevel fine = LargeMixedLevel();
    ASSERT_GE(fine.size(), kSplitNodes);
    const std::optional<StencilLevel> coarse = Coarsen(fine, [] { return true; });
    ASSERT_TRUE(coarse);
    ExpectGalerkin(fine, *coarse);
}

// Which thread takes which part depends on timing (on a busy machine the
// other thread may take them all), so only the calling thread's first
// question, asked before the work is shared out, is sure to come.
TEST(Coarsening, OnALargeGridOnlyTheCallingThreadIsAskedAndAStopLeavesNoGrid)
{
    const std::thread::id caller = std::this_thread::get_id();
    for (const int noAt : {1, 1 << 30}) {
        int asked = 0;
        bool otherThreadAsked = false;
        const auto keepGoing = [&] {
            otherThreadAsked = otherThreadAsked || std::this_thread::get_id() != caller;
            return ++asked < noAt;
        };
        EXPECT_EQ(Coarsen(LargeMixedLevel(), keepGoing).has_value(), noAt > 1);
        EXPECT_FALSE(otherThreadAsked);
        if (noAt == 1)
            EXPECT_EQ(asked, 1) << "never asked again after a no";
        else
            EXPECT_GE(asked, 1);
    }
}

}  // namespace
}  // namespace tarn::gridding
