// A 100-frame fly-through of the sample landscape at 320 x 240: the whole
// tarntool animate run, and where its time goes.
#include "model/LemFileIO.h"
#include "tools/OffscreenFrames.h"
#include "tools/SampleMap.h"
#include "tools/Tarntool.h"
#include "viewer/anim/CameraPlan.h"
#include "viewer/render/ViewNet.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
constexpr int kFrames = 100;

// The sample map and a straight flight of kFrames frames across it.
struct TBenchFiles {
    fs::path folder = fs::temp_directory_path() / ("animate-bench-" + std::to_string(::getpid()));
    fs::path map = folder / "sample.lem";
    fs::path script = folder / "fly.srp";
    TBenchFiles()
    {
        fs::create_directories(folder);
        tarn::TViewNet net;
        tarn::tool::BuildSampleMap(net, 201);
        tarn::SaveLemFile(map, net);
        std::ofstream out(script, std::ios::binary);
        out << "[Path Type]\r\nPathType=Flight\r\n[Path Data]\r\n";
        for (int i = 0; i < kFrames + 2; ++i)
            out << -400 + 7 * i << ",-300,1100," << -300 + 7 * i << ",-250\r\n";
        out << "[Control Points]\r\n[View Points]\r\n[Path Parameters]\r\nHeight=500\r\nMinHeight=0\r\nSpeed=Slow\r\n";
    }
    ~TBenchFiles() { fs::remove_all(folder); }
};

void BM_AnimateCommand(benchmark::State& state)
{
    const TBenchFiles files;
    const auto prefix = (files.folder / "fly").string();
    for (auto _ : state) {
        const int code = tarn::tool::RunTarntool(
            {"animate", files.map.string(), files.script.string(), "--prefix", prefix, "--size", "320x240"});
        if (code != 0)
            state.SkipWithError("tarntool animate failed");
    }
    state.counters["fps"] = benchmark::Counter(kFrames * static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnimateCommand)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

// Shares of one run's time: drawing, reading the picture back, writing files.
void BM_AnimateTimeShares(benchmark::State& state)
{
    const TBenchFiles files;
    tarn::TViewNet net;
    tarn::NullProgress quiet;
    tarn::LoadLemFile(files.map, net, quiet);
    tarn::TPlayScript script;
    std::ifstream in(files.script, std::ios::binary);
    tarn::ReadPlayScript(in, script);
    const auto cameras = tarn::FlightCameras(script, tarn::FlightHeightFactor(net.MapHeader), 0);
    const auto prefix = (files.folder / "share").string();
    double total = 0, draw = 0, readBack = 0;
    for (auto _ : state) {
        tarn::tool::TOffscreenFrames renderer(net, 320, 240, 1, "bench");
        const auto start = std::chrono::steady_clock::now();
        tarn::WriteFlightFrames(cameras, {}, prefix, renderer);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        draw += renderer.DrawSeconds();
        readBack += renderer.ReadBackSeconds();
    }
    state.counters["draw_share"] = draw / total;
    state.counters["readback_share"] = readBack / total;
    state.counters["write_share"] = (total - draw - readBack) / total;
}
BENCHMARK(BM_AnimateTimeShares)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace
