// Helper of compare_surface.sh: makes the benchmark's inputs, grids them
// with our engine as a whole run (text in, text out), and scores any
// program's grid against the terrain.
//
//   gridding_compare make DIR          DIR/random.xyz, DIR/contours.xyz and
//                                      the same as maps, DIR/random.lem ...
//   gridding_compare run IN.xyz OUT.xyz
//   gridding_compare score IN.xyz GRID.xyz|GRID.lem
//
// Text files hold "x y height" lines in node units, x eastward and y
// northward from 0 to 499; the given heights are whole metres, as a map
// stores them. `run` uses the default options plus Extrapolate and writes
// heights rounded to whole metres. `score` prints the RMS and largest error
// over the nodes IN.xyz does not give.
#include "AnalyticTerrain.h"

#include "analysis/gridding/Gridding.h"
#include "analysis/gridding/NumberText.h"
#include "model/Errors.h"
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using tarn::bench::AnalyticTerrain;
using namespace tarn::gridding;

constexpr int kSize = AnalyticTerrain::kSize;

// The nodes as text and as a map of Null nodes elsewhere, heights rounded
// to whole metres.
void WriteNodes(const std::string& stem, const std::vector<KnownNode>& known)
{
    std::ofstream out(stem + ".xyz");
    tarn::TNet net;
    tarn::CreateMap(net, {tarn::MapUnits::Metric, kSize, kSize, 30}, tarn::DefaultTerrainPalette());
    for (const KnownNode& node : known) {
        const long height = std::lrint(node.height);
        out << node.column << ' ' << kSize - 1 - node.row << ' ' << height << '\n';
        net.Points()[static_cast<std::size_t>(node.row) * kSize + static_cast<std::size_t>(node.column)].Height =
            static_cast<std::int16_t>(height);
    }
    net.UpdateSquares();
    tarn::SaveLemFile(stem + ".lem", net);
}

// Calls visit(x, y, height) for every line of a file.
template <typename Visit>
bool ReadPoints(const std::string& path, Visit visit)
{
    const std::optional<std::string> text = ReadTextFile(path, 256u << 20);
    if (!text)
        return false;
    NumberScanner scanner(*text);
    double value[3];
    for (;;) {
        for (double& v : value)
            if (scanner.next(v) != NumberScanner::Result::Number)
                return true;
        visit(static_cast<int>(std::lround(value[0])), static_cast<int>(std::lround(value[1])), value[2]);
    }
}

int Make(const std::string& folder)
{
    const AnalyticTerrain terrain;
    WriteNodes(folder + "/random", terrain.randomNodes());
    WriteNodes(folder + "/contours", terrain.contourNodes());
    return 0;
}

int Run(const std::string& input, const std::string& output)
{
    std::vector<KnownNode> known;
    if (!ReadPoints(input, [&](int x, int y, double h) { known.push_back({x, kSize - 1 - y, h}); }))
        return 1;
    GriddingOptions options;
    options.extrapolate = true;
    tarn::NullProgress progress;
    const std::optional<HeightGrid> grid = GridHeights(kSize, kSize, known, options, progress);
    std::string text;
    text.reserve(static_cast<std::size_t>(kSize) * kSize * 14);
    for (int row = 0; row < kSize; ++row)
        for (int column = 0; column < kSize; ++column)
            text += std::to_string(column) + ' ' + std::to_string(kSize - 1 - row) + ' ' +
                    std::to_string(std::lrint(grid->at(column, row))) + '\n';
    std::ofstream(output, std::ios::binary) << text;
    return 0;
}

int Score(const std::string& input, const std::string& grid)
{
    const AnalyticTerrain terrain;
    std::vector<bool> given(static_cast<std::size_t>(kSize) * kSize, false);
    const auto inside = [](int x, int y) { return x >= 0 && y >= 0 && x < kSize && y < kSize; };
    ReadPoints(input, [&](int x, int y, double) {
        if (inside(x, y))
            given[static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x)] = true;
    });
    double sum = 0;
    double worst = 0;
    long count = 0;
    const auto add = [&](int x, int y, double h) {
        if (!inside(x, y) || given[static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x)])
            return;
        const double error = h - terrain.height(x, y);
        sum += error * error;
        worst = std::max(worst, std::abs(error));
        ++count;
    };
    bool read = true;
    if (grid.ends_with(".lem")) {
        tarn::TNet net;
        tarn::NullProgress progress;
        read = tarn::LoadLemFile(grid, net, progress) && net.Points().size() == given.size();
        for (std::size_t at = 0; read && at < given.size(); ++at)
            add(static_cast<int>(at % kSize), kSize - 1 - static_cast<int>(at / kSize), net.Points()[at].Height);
    } else {
        read = ReadPoints(grid, add);
    }
    if (!read || count == 0)
        return 1;
    std::printf("%.2f %.1f\n", std::sqrt(sum / static_cast<double>(count)), worst);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    try {
        if (words.size() == 2 && words[0] == "make")
            return Make(words[1]);
        if (words.size() == 3 && words[0] == "run")
            return Run(words[1], words[2]);
        if (words.size() == 3 && words[0] == "score")
            return Score(words[1], words[2]);
    } catch (const tarn::ETarnError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fputs("usage: gridding_compare make DIR | run IN.xyz OUT.xyz | score IN.xyz GRID.xyz\n", stderr);
    return 2;
}
