// Greedy insertion on a 500 x 500 terrain with heights 0..1000, reduced to
// 2000, 10000 and 50000 triangles, and reduced until no node is more than
// 4.6 units off (the triangles that takes are reported). The terrain is analytic: five octaves of
// crossed sines, each half the height and about twice the frequency of the
// one before (a rough, fractal-like relief), plus four Gaussian hills,
// scaled to 0..1000 and rounded to whole units.
#include "analysis/polyred/PolygonReduction.h"
#include "model/Progress.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace tarn;

THeightField Terrain()
{
    constexpr int side = 500;
    std::vector<double> raw;
    raw.reserve(side * side);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const double x = column / double(side), y = row / double(side);
            double height = 0;
            double amplitude = 1, frequency = 5;
            for (int octave = 0; octave < 5; ++octave) {
                height += amplitude * std::sin(frequency * x + 1.7 * octave) * std::sin(frequency * 0.87 * y + 0.6 * octave);
                height += 0.5 * amplitude * std::sin(frequency * 0.71 * (x + y) + 2.3 * octave);
                amplitude *= 0.5;
                frequency *= 2.03;
            }
            const double hills[4][3] = {{0.25, 0.3, 0.08}, {0.7, 0.65, 0.12}, {0.55, 0.2, 0.05}, {0.15, 0.8, 0.1}};
            for (const auto& hill : hills) {
                const double dx = x - hill[0], dy = y - hill[1];
                height += 1.5 * std::exp(-(dx * dx + dy * dy) / (2 * hill[2] * hill[2]));
            }
            raw.push_back(height);
        }
    const auto [low, high] = std::minmax_element(raw.begin(), raw.end());
    THeightField field{side, side, 30, {}};
    for (const double value : raw)
        field.heights.push_back(static_cast<std::int16_t>(std::lround((value - *low) / (*high - *low) * 1000)));
    return field;
}

void Reduce(benchmark::State& state, const TReductionOptions& options)
{
    static const THeightField field = Terrain();
    NullProgress quiet;
    TTin tin;
    for (auto _ : state) {
        tin = *ReduceHeightField(field, options, quiet);
        benchmark::DoNotOptimize(tin.triangles.data());
    }
    state.counters["triangles"] = static_cast<double>(tin.triangles.size());
    state.counters["largest_error"] = tin.largestError;
}

void ReduceToBudget(benchmark::State& state) { Reduce(state, {static_cast<int>(state.range(0)), 0}); }
BENCHMARK(ReduceToBudget)->Arg(2000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void ReduceToTolerance(benchmark::State& state) { Reduce(state, {1000000, 4.6}); }
BENCHMARK(ReduceToTolerance)->Unit(benchmark::kMillisecond);

}  // namespace
