// The automatic contour trace: a one-pixel closed contour of about 10000
// pixels on the picture of a 500 x 500 map at zoom 7, followed alone
// and followed then written into the map with undo kept.
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "model/edits/AutoTrace.h"
#include "model/edits/ContourTrace.h"
#include "model/edits/UndoList.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using namespace tarn;

constexpr int kColumns = 500;
constexpr int kRows = 500;
constexpr int kZoom = 7;
constexpr int kWidth = kColumns * kZoom;
constexpr int kHeight = kRows * kZoom;

// A rectangle outline 2900 by 2100 pixels: 9996 pixels.
TRgbPicture ContourPicture()
{
    TRgbPicture picture{kWidth, kHeight, {}};
    picture.pixels.assign(static_cast<std::size_t>(kWidth) * kHeight, kWhiteRgb);
    const auto put = [&](int x, int y) { picture.pixels[static_cast<std::size_t>(y) * kWidth + x] = 0x402010; };
    for (int x = 50; x < 2950; ++x) {
        put(x, 50);
        put(x, 2149);
    }
    for (int y = 50; y < 2150; ++y) {
        put(50, y);
        put(2949, y);
    }
    return picture;
}

TNodeLookup GridLookup()
{
    const double scale = kHeight / (kRows - 0.5);
    return [scale](TPixel pixel) {
        return std::optional<TGridNode>({static_cast<int>(std::trunc((pixel.x + scale / 2) / scale)),
                                         static_cast<int>(std::trunc((pixel.y + scale / 2) / scale))});
    };
}

void FollowTenThousandPixelContour(benchmark::State& state)
{
    const TRgbPicture picture = ContourPicture();
    const TStretchedPicture stretched(picture, kWidth, kHeight);
    const TNodeLookup lookup = GridLookup();
    std::size_t pixels = 0;
    for (auto _ : state) {
        const TAutoTraceResult result = FollowContour(stretched, {1000, 50}, 50, lookup);
        pixels = result.visited.size();
        benchmark::DoNotOptimize(result.nodes.data());
    }
    state.counters["pixels"] = static_cast<double>(pixels);
}
BENCHMARK(FollowTenThousandPixelContour)->Unit(benchmark::kMillisecond);

void FollowAndWriteContour(benchmark::State& state)
{
    const TRgbPicture picture = ContourPicture();
    const TStretchedPicture stretched(picture, kWidth, kHeight);
    const TNodeLookup lookup = GridLookup();
    TNet net;
    CreateMap(net, {MapUnits::Metric, kColumns, kRows, 30}, DefaultTerrainPalette());
    TUndoList undo;
    std::size_t written = 0;
    int round = 0;
    for (auto _ : state) {
        undo.Clear();
        const TAutoTraceResult result = FollowContour(stretched, {1000, 50}, 50, lookup);
        const std::int16_t height = round++ % 2 == 0 ? 100 : 200;  // every round writes anew
        WriteFoundTrace(net, undo, result.nodes, height, 1);
        written = undo.size();
    }
    state.counters["nodes"] = static_cast<double>(written);
}
BENCHMARK(FollowAndWriteContour)->Unit(benchmark::kMillisecond);

}  // namespace
