#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "exchange/ModelScale.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/FormatNames.h"
#include "tools/LoadMap.h"
#include "tools/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

struct TExportOptions {
    std::string format;
    std::string input;
    std::string output;
    TExportParameters parameters;
    double vertical = 0;  // 0: the map's starting scale
    double horizontal = 0;
};

int RunExport(TExportOptions options)
{
    TNet net;
    LoadMapOrRefuse(options.input, net);
    auto& polygon = options.parameters.polygon;
    if (options.vertical > 0 || options.horizontal > 0) {
        const TModelScale starting = StartingModelScale(net.MapHeader);
        polygon.scale = TModelScale{options.vertical > 0 ? options.vertical : starting.vertical,
                                    options.horizontal > 0 ? options.horizontal : starting.horizontal};
    }
    const TFormatDriver& format = *FindFormat(options.format);
    const std::string_view warning = format.ExportWarning(net);
    if (!warning.empty())
        std::fprintf(stderr, "%.*s\n", static_cast<int>(warning.size()), warning.data());
    TerminalProgress progress;
    ExportFile(format, net, options.output, options.parameters, progress);
    return kExitSuccess;
}

}  // namespace

TCommand AddExportCommand(CLI::App& tool)
{
    auto options = std::make_shared<TExportOptions>();
    auto* command = tool.add_subcommand("export", "write a map in a foreign format");
    command->footer("Loads IN.lem and writes it as the editor's Export does. The NTF tile is always\n"
                    "401 x 401 heights and the Vistapro file 258 x 258, the map cut or padded with\n"
                    "zeros. tin and vrml reduce the grid to at most --polygons triangles, stopping\n"
                    "early once no node is more than --tolerance off; a height h stands\n"
                    "h * vertical * horizontal / 100 model units high, one grid step is horizontal\n"
                    "units long (both start from the map's size and spacing). OUT is replaced only\n"
                    "once the whole file is written. 'tarntool formats' lists the formats.");
    command->add_option("FORMAT", options->format, "the format to write")
        ->required()
        ->check(CLI::IsMember(WritableFormatNames()));
    command->add_option("IN.lem", options->input, "the map to read")->required();
    command->add_option("OUT", options->output, "the file to write")->required();
    auto& polygon = options->parameters.polygon;
    using Limits = TPolygonExportOptions;
    command->add_option("--polygons", polygon.polygons, "tin, vrml: the most triangles (500)")
        ->check(CLI::Range(Limits::kMinPolygons, Limits::kMaxPolygons));
    command->add_option("--tolerance", polygon.tolerance, "tin, vrml: the largest height error wanted (10)")
        ->check(CLI::NonNegativeNumber);
    const auto scale = CLI::Range(Limits::kMinScale, Limits::kMaxScale);
    command->add_option("--vertical", options->vertical, "tin, vrml: the vertical scale")->check(scale);
    command->add_option("--horizontal", options->horizontal, "tin, vrml: model units per grid step")->check(scale);
    command->add_option("--texture", polygon.textureMap, "vrml: the picture draped over the surface")
        ->default_str("textures.jpg");
    command->add_option("--background", polygon.backgroundColour,
                        "vrml: the sky colour as a Windows colour value (13678735)")
        ->check(CLI::Range(0, 0xFFFFFF));
    return {command, [options] { return RunExport(*options); }};
}

}  // namespace tarn::tool
