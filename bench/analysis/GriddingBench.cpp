// The gridding engine on the 500 x 500 benchmark terrain (AnalyticTerrain.h)
// with the default options plus Extrapolate: from 1 % random nodes and from
// contours every 50 m. compare_surface.sh sets these against GMT's surface.
#include "AnalyticTerrain.h"

#include "analysis/gridding/Gridding.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tarn::gridding;
using tarn::bench::AnalyticTerrain;

const AnalyticTerrain& Terrain()
{
    static const AnalyticTerrain terrain;
    return terrain;
}

void GridFrom(benchmark::State& state, const std::vector<KnownNode>& known)
{
    GriddingOptions options;
    options.extrapolate = true;
    tarn::NullProgress progress;
    for (auto _ : state) {
        auto grid = GridHeights(AnalyticTerrain::kSize, AnalyticTerrain::kSize, known, options, progress);
        benchmark::DoNotOptimize(grid);
    }
}

void RandomNodes(benchmark::State& state)
{
    GridFrom(state, Terrain().randomNodes());
}
BENCHMARK(RandomNodes)->Unit(benchmark::kMillisecond);

void Contours(benchmark::State& state)
{
    GridFrom(state, Terrain().contourNodes());
}
BENCHMARK(Contours)->Unit(benchmark::kMillisecond);

}  // namespace
