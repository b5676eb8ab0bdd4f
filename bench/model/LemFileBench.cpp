// Load and save of the largest map: 500 x 500 nodes with 100 overlay objects
// and 100 labels, in memory and through a file.
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

using namespace tarn;

void BuildLargestMap(TNet& net)
{
    CreateMap(net, {MapUnits::Metric, 500, 500, 30}, DefaultTerrainPalette());
    auto& points = net.Points();
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].Height = static_cast<std::int16_t>((i * 7919) % 3000);
    for (std::size_t i = 0; i < net.Squares().size(); ++i)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % 8);
    net.UpdateSquares();
    for (int i = 0; i < 100; ++i) {
        auto object = CreateGraphObject(static_cast<std::uint8_t>(i % 4));
        for (int p = 0; p < 20; ++p)
            object->Points.push_back({Real48::fromDouble(i + p * 0.5), Real48::fromDouble(i * 0.25 + p)});
        net.Overlays.push_back(std::move(object));
        auto label = std::make_unique<TEnhString>();
        label->Text = "Label number " + std::to_string(i);
        label->PointSize = 10;
        net.Labels.push_back(std::move(label));
    }
}

const std::string& LargestMapFile()
{
    static const std::string file = [] {
        TNet net;
        BuildLargestMap(net);
        const auto bytes = net.SaveToBytes();
        return std::string(bytes.begin(), bytes.end());
    }();
    return file;
}

void LoadFromMemory(benchmark::State& state)
{
    TNet net;
    NullProgress quiet;
    for (auto _ : state) {
        std::istringstream stream(LargestMapFile());
        benchmark::DoNotOptimize(net.LoadFromStream(stream, quiet));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(LargestMapFile().size()));
}

void SaveToMemory(benchmark::State& state)
{
    TNet net;
    BuildLargestMap(net);
    for (auto _ : state) {
        std::ostringstream stream;
        net.SaveToStream(stream);
        benchmark::DoNotOptimize(stream.tellp());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(LargestMapFile().size()));
}

std::filesystem::path ScratchFile()
{
    return std::filesystem::temp_directory_path() / ("tarn-bench-" + std::to_string(::getpid()) + ".lem");
}

void LoadFromFile(benchmark::State& state)
{
    const auto path = ScratchFile();
    {
        TNet net;
        BuildLargestMap(net);
        SaveLemFile(path, net);
    }
    TNet net;
    NullProgress quiet;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadLemFile(path, net, quiet));
    std::filesystem::remove(path);
}

// The crash-safe save: a new file, flushed to disk, renamed over the old one.
void SaveToFile(benchmark::State& state)
{
    const auto path = ScratchFile();
    TNet net;
    BuildLargestMap(net);
    for (auto _ : state)
        SaveLemFile(path, net);
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(LoadFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveToMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveToFile)->Unit(benchmark::kMillisecond);
