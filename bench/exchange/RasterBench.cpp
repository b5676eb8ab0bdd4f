// The raster and mesh formats: a full SRTM tile of 3601 x 3601 heights read
// into the largest map, 500 x 500, with each resampling; each new export of
// a 500 x 500 map, to a file, as a user makes it.
#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "fixtures/GdalRaster.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace {

using namespace tarn;
namespace fs = std::filesystem;

// A folder of this run's files, removed when the program ends.
class TScratchFolder {
public:
    TScratchFolder() { fs::create_directories(path_); }
    ~TScratchFolder() { fs::remove_all(path_); }
    fs::path File(const std::string& name) const { return path_ / name; }

private:
    fs::path path_ = fs::temp_directory_path() / ("tarn-raster-bench-" + std::to_string(::getpid()));
};

fs::path Scratch(const std::string& name)
{
    static const TScratchFolder folder;
    return folder.File(name);
}

// An SRTM tile of one arc-second, written once by the library's own writer.
const fs::path& SrtmTile()
{
    static const fs::path tile = [] {
        const auto file = Scratch("N45E006.hgt");
        fixtures::TRasterLayout layout;
        layout.driver = "SRTMHGT";
        layout.columns = layout.rows = 3601;
        layout.floatValues = false;
        layout.epsg = 4326;
        const double pixel = 1.0 / 3600;
        layout.geoTransform = {6 - pixel / 2, pixel, 0, 46 + pixel / 2, 0, -pixel};
        layout.value = [](int c, int r) { return 800 + 400 * std::sin(c * 0.004) * std::cos(r * 0.003); };
        fixtures::WriteRaster(file, layout);
        return file;
    }();
    return tile;
}

void ImportSrtmTile(benchmark::State& state)
{
    TImportParameters parameters;
    parameters.raster.columns = parameters.raster.rows = 500;
    parameters.raster.resampling = static_cast<RasterResampling>(state.range(0));
    NullProgress quiet;
    for (auto _ : state) {
        TNet net;
        std::vector<std::string> warnings;
        ImportFile(*FindFormat("gdal"), SrtmTile(), net, parameters, quiet, warnings);
        benchmark::DoNotOptimize(net.Points().data());
    }
    state.SetLabel(parameters.raster.resampling == RasterResampling::Average    ? "average"
                   : parameters.raster.resampling == RasterResampling::Bilinear ? "bilinear"
                                                                                : "nearest");
}
BENCHMARK(ImportSrtmTile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

const TNet& LargestMap()
{
    static const TNet net = [] {
        TNet map;
        CreateMap(map, {MapUnits::Metric, 500, 500, 30}, DefaultTerrainPalette());
        for (int r = 0; r < 500; ++r)
            for (int c = 0; c < 500; ++c)
                map.Points()[static_cast<std::size_t>(r * 500 + c)].Height =
                    static_cast<std::int16_t>(800 + 400 * std::sin(c * 0.03) * std::cos(r * 0.02));
        map.MapHeader.MinHeight = 400;
        map.MapHeader.MaxHeight = 1200;
        map.UpdateSquares();
        return map;
    }();
    return net;
}

void ExportLargestMap(benchmark::State& state, const char* format, const char* extension, int polygons)
{
    const auto file = Scratch(std::string("export.") + extension);
    TExportParameters parameters;
    parameters.mesh.polygons = polygons;
    NullProgress quiet;
    for (auto _ : state)
        ExportFile(*FindFormat(format), LargestMap(), file, parameters, quiet);
    state.counters["bytes"] = static_cast<double>(fs::file_size(file));
}
BENCHMARK_CAPTURE(ExportLargestMap, geotiff, "geotiff", "tif", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportLargestMap, png16, "png16", "png", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportLargestMap, raw16, "raw16", "raw", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportLargestMap, obj, "obj", "obj", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportLargestMap, gltf, "gltf", "glb", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportLargestMap, gltf_10000_triangles, "gltf", "glb", 10000)->Unit(benchmark::kMillisecond);

}  // namespace
