// Import and export of the largest map, 500 x 500 nodes, in every format
// (the NTF tile is always 401 x 401, the Vistapro file 258 x 258), in
// memory. TIN and VRML reduce the map to the dialog's starting budget of
// 500 triangles, and to 10000.
#include "exchange/ColourReduction.h"
#include "exchange/FormatRegistry.h"
#include "exchange/MSBitmap.h"
#include "fixtures/UsgsDemLayout.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace {

using namespace tarn;

constexpr int kSide = 500;

const TNet& LargestMap()
{
    static const TNet net = [] {
        TNet map;
        CreateMap(map, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
        auto& points = map.Points();
        for (std::size_t i = 0; i < points.size(); ++i)
            points[i].Height = static_cast<std::int16_t>((i * 7919) % 3000);
        for (std::size_t i = 0; i < map.Squares().size(); ++i)
            map.Squares()[i].Terrain = static_cast<std::int16_t>(i % kTerrainSlots);
        map.MapHeader.MinHeight = 0;
        map.MapHeader.MaxHeight = 2999;
        map.UpdateSquares();
        return map;
    }();
    return net;
}

std::string Exported(const char* format)
{
    std::ostringstream out(std::ios::binary);
    NullProgress quiet;
    FindFormat(format)->Write(LargestMap(), out, {}, quiet);
    return std::move(out).str();
}

void Export(benchmark::State& state, const char* format)
{
    const TFormatDriver& driver = *FindFormat(format);
    TExportParameters parameters;
    parameters.polygon.polygons = static_cast<int>(state.range(0));
    NullProgress quiet;
    for (auto _ : state) {
        std::ostringstream out(std::ios::binary);
        driver.Write(LargestMap(), out, parameters, quiet);
        benchmark::DoNotOptimize(out);
    }
}

// A file of the format holding the largest map.
std::string ImportFile(const char* format)
{
    if (std::string_view(format) != "usgs-dem")
        return Exported(format);
    fixtures::TUsgsDemLayout layout;
    layout.profiles = kSide;
    layout.count = [](int) { return kSide; };
    layout.elevation = [](int p, int j) { return (p * 7919 + j * 31) % 3000; };
    return fixtures::BuildUsgsDem(layout);
}

void Import(benchmark::State& state, const char* format)
{
    const TFormatDriver& driver = *FindFormat(format);
    const std::string file = ImportFile(format);
    TImportParameters parameters;
    parameters.digital.sample = 1;
    parameters.digital.autoSize = driver.Description().target != ImportTarget::OpenMap;
    NullProgress quiet;
    TNet net;
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 30}, DefaultTerrainPalette());
    for (auto _ : state) {
        std::istringstream in(file, std::ios::binary);
        driver.Read(in, net, parameters, quiet);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}

void ReduceTo256(benchmark::State& state)
{
    TMSBitmap bitmap(kSide, kSide);
    TSeededRandom random(7);
    bitmap.Fractalize({0, 0, kSide, kSide}, {.amplitude = 120, .minimumBlock = 1, .startBlock = 64}, random, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReduceTo256Colours(bitmap.Picture()));
}

}  // namespace

// The argument is the polygon budget, which only TIN and VRML use.
BENCHMARK_CAPTURE(Export, ascii, "ascii")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, dxf, "dxf")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, bmp, "bmp")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, pgm, "pgm")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, ntf, "ntf")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, xyz, "xyz")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, vistapro, "vistapro")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, tin, "tin")->Arg(500)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, vrml, "vrml")->Arg(500)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, ascii, "ascii")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, bmp, "bmp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, ntf, "ntf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, usgs_dem, "usgs-dem")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, pgm, "pgm")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, xyz, "xyz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, vistapro, "vistapro")->Unit(benchmark::kMillisecond);
BENCHMARK(ReduceTo256)->Unit(benchmark::kMillisecond);
