// Drawing the editor's map picture, and the memory the editor holds at
// each zoom, on a 500 x 500 map (the largest grid there is).
#include "editor/DefNet.h"
#include "editor/Tarn.h"
#include "model/MapFactory.h"
#include "model/SettingsStore.h"
#include "model/TerrainSlots.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>

namespace tarn {
namespace {

constexpr int kSide = 500;

// Rolling hills, a few terrain patches and some overlay lines.
void FillLandscape(TNet& net)
{
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            const double h = 500 + 300 * std::sin(column * 0.031) * std::cos(row * 0.027) + 150 * std::sin((row + column) * 0.09);
            net.GetPoint(column + row * kSide + 1)->Height = static_cast<std::int16_t>(h);
        }
    for (int row = 1; row < kSide; ++row)
        for (int column = 1; column < kSide; ++column) {
            const int patch = (column / 37 + row / 41) % 4;
            net.GetSquare(column + (kSide - 1) * (row - 1))->Terrain = static_cast<std::int16_t>(patch == 3 ? 0 : patch + 1);
        }
    for (int i = 0; i < 40; ++i) {
        auto line = std::make_unique<TGraphLine>();
        line->PenColour = RGB(200, 0, 0);
        line->PenWidth = 2;
        line->Points = {{Real48::fromDouble(i * 12.0), Real48::fromDouble(3.0)},
                        {Real48::fromDouble(490.0 - i * 10), Real48::fromDouble(495.0)}};
        net.Overlays.push_back(std::move(line));
    }
}

void BM_RedrawMapWholeZoom5(benchmark::State& state)
{
    TDefineNet net;
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
    FillLandscape(net);
    net.Zoom = 5;
    net.SizePicture();
    net.ComputeScale();
    for (auto _ : state) {
        net.RedrawMap(true);
        // Materialise every pixel of the 2500 x 2500 picture.
        benchmark::DoNotOptimize(net.MapPicture.Copy(net.MapPicture.Rect()));
    }
    state.counters["pixels"] = static_cast<double>(net.MapPicture.Size().width()) * net.MapPicture.Size().height();
}
BENCHMARK(BM_RedrawMapWholeZoom5)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RedrawMapOneNodeZoom5(benchmark::State& state)
{
    TDefineNet net;
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
    FillLandscape(net);
    net.SizePicture();
    net.ComputeScale();
    net.RedrawMap(true);
    const QRect view(1000, 1000, 1000, 800);
    net.MapPicture.Copy(view);
    for (auto _ : state) {
        net.RedrawMap(false, {250, 250, 250, 250});
        benchmark::DoNotOptimize(net.MapPicture.Copy(view));
    }
}
BENCHMARK(BM_RedrawMapOneNodeZoom5)->Unit(benchmark::kMillisecond);

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// The whole editor window on a 500 x 500 map at one zoom, painted while the
// view moves across the map; reports the resident memory afterwards.
void BM_EditorResidentMemory(benchmark::State& state)
{
    const int zoom = static_cast<int>(state.range(0));
    MemorySettingsStore store;
    TTarnForm window(store);
    window.resize(1280, 1024);
    window.show();
    window.CreateMap(MapUnits::Metric, kSide, kSide, 30);
    auto& net = *window.findChild<TDefineNet*>("DefineNet");
    FillLandscape(net);
    while (net.Zoom < zoom)
        window.findChild<QToolButton*>("ZoomInButton")->click();
    while (net.Zoom > zoom)
        window.findChild<QToolButton*>("ZoomOutButton")->click();
    auto* scroll = window.findChild<QScrollArea*>("CanvasScrollBox");
    long peak = 0;
    for (auto _ : state) {
        for (int step = 0; step <= 10; ++step) {
            scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum() * step / 10);
            scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum() * (10 - step) / 10);
            benchmark::DoNotOptimize(window.grab());
            QApplication::processEvents();
            peak = std::max(peak, ResidentKilobytes());
        }
    }
    state.counters["zoom"] = zoom;
    state.counters["picture_px"] = static_cast<double>(net.MapPicture.Size().width());
    state.counters["resident_MB"] = peak / 1024.0;
    state.counters["tile_cache_MB"] = static_cast<double>(net.MapPicture.CachedBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_EditorResidentMemory)->Arg(1)->Arg(5)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
