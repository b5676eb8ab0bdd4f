// Drawing a ten-segment cross section across a 500 x 500 map with the
// Cross Section tool: every segment's profile is sampled and sent out as
// notifications on the release that ends it.
#include "editor/DefNet.h"
#include "editor/tools/SectionTool.h"
#include "model/MapFactory.h"
#include "model/TerrainSlots.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace tarn {
namespace {

void BM_SectionTenSegmentsAcross500(benchmark::State& state)
{
    constexpr int kSide = 500;
    TDefineNet net;
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
    for (int node = 1; node <= net.PointCount(); ++node)
        net.GetPoint(node)->Height = static_cast<std::int16_t>(500 + 300 * std::sin(node * 0.013));
    net.Zoom = 5;
    net.SizePicture();
    net.ComputeScale();
    net.InstallTool(kSectionTool, std::make_unique<TSectionTool>());
    net.SetTool(kSectionTool, nullptr);
    const int width = net.MapPicture.Size().width() - 1;
    const int height = net.MapPicture.Size().height() - 1;
    const auto click = [&net](QPoint at) {
        net.MouseDown(at, Qt::LeftButton);
        net.MouseUp(at, Qt::LeftButton);
    };
    for (auto _ : state) {
        // Zig-zag from the west edge to the east edge and back, ten times.
        click({0, 0});
        for (int segment = 1; segment <= 10; ++segment)
            click({segment % 2 == 1 ? width : 0, segment * height / 10});
        net.DblClick({0, height});
        click({0, height});  // the press of the double click, swallowed
        net.EraseSectionLine();
    }
    state.counters["segment_px"] = std::hypot(width, height / 10.0);
}
BENCHMARK(BM_SectionTenSegmentsAcross500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
