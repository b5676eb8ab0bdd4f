// Painting a pen stroke of 2000 points onto a 512 x 512 overlay picture:
// once with every segment crossing the picture, once with every other point
// 1e9 grid units away. Segments are clipped to the picture before they are
// stepped, so the far stroke costs no more than the near one.
#include "viewer/render/OverlayPainter.h"

#include <benchmark/benchmark.h>

namespace tarn {
namespace {

constexpr int kSide = 512;
constexpr double kScale = kSide / 19.0;  // a map of 20 x 20 nodes

std::vector<std::unique_ptr<TGraphObject>> Stroke(double farPoint)
{
    auto stroke = CreateGraphObject(static_cast<std::uint8_t>(GraphKind::Pen));
    for (int i = 0; i < 2000; ++i) {
        const double at = i % 2 == 0 ? 0 : farPoint;
        stroke->Points.push_back({Real48::fromDouble(at), Real48::fromDouble(at)});
    }
    std::vector<std::unique_ptr<TGraphObject>> objects;
    objects.push_back(std::move(stroke));
    return objects;
}

void PaintStroke(benchmark::State& state, double farPoint)
{
    const auto objects = Stroke(farPoint);
    TDibPicture picture = TDibPicture::Blank(kSide, kSide);
    for (auto _ : state) {
        PaintOverlayObjects(picture, objects, kScale, kScale);
        benchmark::DoNotOptimize(picture.bits.data());
    }
}

void StrokeAcrossThePicture(benchmark::State& state) { PaintStroke(state, 19); }
void StrokeReachingFarOutside(benchmark::State& state) { PaintStroke(state, 1.0e9); }

BENCHMARK(StrokeAcrossThePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(StrokeReachingFarOutside)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
