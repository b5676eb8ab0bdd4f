// The map edits on the largest grid there is (500 x 500): a flood over a
// basin that covers most of the map, and levelling the whole map with its
// undo records.
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "model/edits/Flood.h"
#include "model/edits/HeightEdits.h"
#include "model/edits/UndoList.h"

#include <benchmark/benchmark.h>

namespace tarn {
namespace {

constexpr int kSide = 500;

// Height 100 on the outer ring of nodes, 50 inside: one level basin of
// 497 x 497 squares.
void MakeBasinMap(TNet& net)
{
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            const bool rim = row == 0 || column == 0 || row == kSide - 1 || column == kSide - 1;
            net.GetPoint(column + row * kSide + 1)->Height = rim ? 100 : 50;
        }
}

void BM_FloodBasin500(benchmark::State& state)
{
    TNet net;
    MakeBasinMap(net);
    TUndoList undo;
    int flooded = 0;
    for (auto _ : state) {
        flooded = Flood(net, undo, kSide / 2, kSide / 2);
        state.PauseTiming();
        ApplyUndo(net, undo);
        state.ResumeTiming();
    }
    state.counters["flooded_squares"] = flooded;
}
BENCHMARK(BM_FloodBasin500)->Unit(benchmark::kMillisecond);

void BM_LevelWholeMap500WithUndo(benchmark::State& state)
{
    TNet net;
    MakeBasinMap(net);
    TUndoList undo;
    THeightMemory memory;
    int height = 0;
    for (auto _ : state) {
        LevelArea(net, undo, {0, 0, kSide - 1, kSide - 1}, {THeightAction::SetHeight, 0}, ++height % 900, memory);
        benchmark::DoNotOptimize(undo.size());
    }
    state.counters["undo_records"] = static_cast<double>(undo.size());
}
BENCHMARK(BM_LevelWholeMap500WithUndo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
