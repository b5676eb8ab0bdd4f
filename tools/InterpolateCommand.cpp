#include "analysis/gridding/AreaInterpolation.h"
#include "analysis/gridding/Smoothing.h"
#include "analysis/gridding/TrendAnalysis.h"
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/LoadMap.h"
#include "tools/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace tarn::tool {

namespace {

struct TInterpolateOptions {
    std::string input;
    std::string output;
    std::vector<int> area;  // left, top, right, bottom
    std::string method = "spline";
    bool smooth = false;
    gridding::SplineRun run;
};

int RunInterpolate(const TInterpolateOptions& options)
{
    TNet net;
    LoadMapOrRefuse(options.input, net);
    TerminalProgress progress;
    if (options.method == "trend") {
        progress.setCaptions("Interpolation", "Trend analysis");
        gridding::TrendAnalysis(net, options.run.minHeight);
        if (options.smooth) {
            progress.setCaptions("Interpolation", "Smoothing");
            gridding::SmoothHeights(net, options.run.minHeight);
        }
    } else {
        const gridding::InterpolationArea area =
            options.area.empty()
                ? gridding::InterpolationArea{0, 0, net.MapHeader.Columns - 1, net.MapHeader.Rows - 1}
                : gridding::InterpolationArea{options.area[0], options.area[1], options.area[2], options.area[3]};
        progress.setCaptions("Interpolation", "Creating grid");
        gridding::InterpolateArea(net, area, options.run, progress);
        net.UpdateSquares();
    }
    progress.hideProgress();
    SaveLemFile(options.output, net);
    return kExitSuccess;
}

}  // namespace

TCommand AddInterpolateCommand(CLI::App& tool)
{
    auto options = std::make_shared<TInterpolateOptions>();
    auto* command = tool.add_subcommand("interpolate", "fill null heights from the known ones");
    command->footer(
        "Fills the null heights of MAP.lem and saves the map as OUT.lem; heights that are\n"
        "known never change (smoothing aside).\n"
        "spline (the default): a continuous-curvature spline in tension through the known\n"
        "heights of the area (the whole map without --area) fills its null nodes, as the\n"
        "editor's Nearest Neighbour interpolation does. --tension1 is Taughtness #1 (the\n"
        "surface is held taut over about 1/N of the area's longer side; 0 is pure minimum\n"
        "curvature), --tension2 is Taughtness #2 (tension N/32 across the area's edges).\n"
        "Slopes estimated at the known nodes are held along traced lines unless\n"
        "--no-gradients; --no-fast settles the surface more closely; without --extrapolate,\n"
        "nodes outside the known nodes' convex hull stay null.\n"
        "trend: null nodes are filled round after round from the average of their known\n"
        "neighbours over the whole map; --smooth then averages every height with its eight\n"
        "neighbours (null nodes become -1). Fewer than 100 nodes filled or known in a round\n"
        "is refused with E0019.\n"
        "Interpolated heights below --min-height are raised to it.");
    command->add_option("MAP.lem", options->input, "the map to read")->required();
    command->add_option("-o,--output", options->output, "the map file to write")->required()->option_text("OUT.lem");
    command->add_option("--area", options->area, "the nodes to fill: columns and rows from 0, ends included")
        ->delimiter(',')
        ->expected(4)
        ->check(CLI::NonNegativeNumber)
        ->option_text("L,T,R,B");
    command->add_option("--method", options->method, "how to fill (spline unless given)")
        ->check(CLI::IsMember({"spline", "trend"}))
        ->option_text("spline|trend");
    command->add_flag("--smooth", options->smooth, "smooth the whole map after the trend analysis");
    command->add_option("--tension1", options->run.options.taughtness1, "Taughtness #1 (1 unless given)")
        ->option_text("N");
    command->add_option("--tension2", options->run.options.taughtness2, "Taughtness #2 (8 unless given)")
        ->option_text("N");
    command->add_flag("--gradients,!--no-gradients", options->run.options.useGradients,
                      "hold slopes estimated at the known nodes (on unless --no-gradients)");
    command->add_flag("--fast,!--no-fast", options->run.options.optimiseForSpeed,
                      "settle the surface loosely, fast enough for whole metres (on unless --no-fast)");
    command->add_flag("--extrapolate", options->run.options.extrapolate,
                      "fill nodes outside the convex hull of the known nodes too");
    command->add_option("--min-height", options->run.minHeight, "the lowest height written (0 unless given)")
        ->check(CLI::Range(-1000, 10000))
        ->option_text("H");
    command->callback([options] {
        if (options->smooth && options->method != "trend")
            throw CLI::ValidationError("--smooth", "applies to --method trend only");
        if (!options->area.empty() && options->method == "trend")
            throw CLI::ValidationError("--area", "applies to --method spline only");
    });
    return {command, [options] { return RunInterpolate(*options); }};
}

}  // namespace tarn::tool
