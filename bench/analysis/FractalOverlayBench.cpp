// The fractal overlay of a 500 x 500 map made for a 1024-pixel screen
// (998 x 998 pixels), smooth and with the strongest roughening; and of a
// 51 x 51 map, whose squares are 20 pixels wide (1000 x 1000 pixels). The
// heights are rolling hills of crossed sines, so every square is lit
// differently.
#include "analysis/fractal/FractalOverlay.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace tarn;

TNet HillyMap(int side)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, side, side, 30}, DefaultTerrainPalette());
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const double x = column * 12.0 / side;
            const double y = row * 9.0 / side;
            net.GetPoint(row * side + column + 1)->Height =
                static_cast<std::int16_t>(std::lround(500 + 300 * std::sin(x) * std::cos(y) + 100 * std::sin(3 * x + y)));
        }
    net.UpdateSquares();
    net.MapHeader.MinHeight = 100;
    net.MapHeader.MaxHeight = 900;
    return net;
}

void Overlay(benchmark::State& state, int side, fractal::TRoughness roughness)
{
    TNet net = HillyMap(side);
    NullProgress quiet;
    const fractal::TFractalParameters parameters{1024, roughness, roughness, 1};
    for (auto _ : state) {
        auto picture = fractal::GenerateFractalOverlay(net, parameters, quiet);
        benchmark::DoNotOptimize(picture);
    }
}

BENCHMARK_CAPTURE(Overlay, map500_smooth, 500, fractal::TRoughness::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Overlay, map500_high, 500, fractal::TRoughness::High)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Overlay, map51_high, 51, fractal::TRoughness::High)->Unit(benchmark::kMillisecond);

}  // namespace
