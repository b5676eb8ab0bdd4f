// Levelling the whole 500 x 500 map with the canvas, undo records and the
// redraw that follows at zoom 5: what a window of 1000 x 800 pixels shows
// of the picture, and the whole 2500 x 2500 picture.
#include "editor/DefNet.h"
#include "model/MapFactory.h"
#include "model/TerrainSlots.h"
#include "model/edits/HeightEdits.h"

#include <benchmark/benchmark.h>

namespace tarn {
namespace {

constexpr int kSide = 500;

void LevelAndRedraw(benchmark::State& state, bool wholePicture)
{
    TDefineNet net;
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
    net.Zoom = 5;
    net.SizePicture();
    net.ComputeScale();
    net.RedrawMap(true);
    const QRect shown = wholePicture ? net.MapPicture.Rect() : QRect(1000, 1000, 1000, 800);
    net.MapPicture.Copy(shown);
    int height = 0;
    for (auto _ : state) {
        const TGridRange nodes = LevelArea(net, net.UndoList(), {0, 0, kSide - 1, kSide - 1},
                                           {THeightAction::SetHeight, 0}, 100 + ++height % 800, net.HeightMemory);
        net.EditDone({nodes.left + 1, nodes.top + 1, nodes.right + 1, nodes.bottom + 1});
        benchmark::DoNotOptimize(net.MapPicture.Copy(shown));
    }
}

void BM_LevelWholeMap500RedrawViewZoom5(benchmark::State& state)
{
    LevelAndRedraw(state, false);
}
BENCHMARK(BM_LevelWholeMap500RedrawViewZoom5)->Unit(benchmark::kMillisecond);

void BM_LevelWholeMap500RedrawWholePictureZoom5(benchmark::State& state)
{
    LevelAndRedraw(state, true);
}
BENCHMARK(BM_LevelWholeMap500RedrawWholePictureZoom5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
