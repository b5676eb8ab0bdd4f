#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "exchange/ModelScale.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/FormatNames.h"
#include "tools/LoadMap.h"
#include "tools/NumberPair.h"
#include "tools/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace tarn::tool {

namespace {

struct TExportOptions {
    std::string format;
    std::string input;
    std::string output;
    std::string origin;
    std::string srs;
    TExportParameters parameters;
    double vertical = 0;  // 0: the map's starting scale
    double horizontal = 0;
    // Given once, read by every writer that reduces the grid to triangles.
    std::optional<int> polygons;
    std::optional<double> tolerance;
    std::optional<std::string> texture;
};

// "X,Y" as two numbers; nothing for any other text.
std::optional<std::pair<double, double>> ParseOrigin(const std::string& text)
{
    return ParseNumberPair<double>(text, ",");
}

// "EPSG:N" as its code; nothing for any other text.
std::optional<int> ParseEpsg(const std::string& text)
{
    constexpr std::string_view kPrefix = "EPSG:";
    if (text.size() <= kPrefix.size() || text.compare(0, kPrefix.size(), kPrefix) != 0)
        return std::nullopt;
    int code = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data() + kPrefix.size(), end, code);
    if (parsed.ec != std::errc() || parsed.ptr != end || code <= 0)
        return std::nullopt;
    return code;
}

int RunExport(TExportOptions options)
{
    auto& raster = options.parameters.raster;
    if (!options.origin.empty())
        std::tie(raster.originX, raster.originY) = *ParseOrigin(options.origin);
    if (!options.srs.empty())
        raster.epsg = *ParseEpsg(options.srs);
    TNet net;
    LoadMapOrRefuse(options.input, net);
    auto& polygon = options.parameters.polygon;
    auto& mesh = options.parameters.mesh;
    if (options.polygons)
        polygon.polygons = mesh.polygons = *options.polygons;
    if (options.tolerance)
        polygon.tolerance = mesh.tolerance = *options.tolerance;
    if (options.texture)
        polygon.textureMap = mesh.texture = *options.texture;
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

std::string Refusal(bool accepted, const char* expected) { return accepted ? std::string() : std::string(expected); }

}  // namespace

TCommand AddExportCommand(CLI::App& tool)
{
    auto options = std::make_shared<TExportOptions>();
    auto* command = tool.add_subcommand("export", "write a map in a foreign format");
    command->footer("Loads IN.lem and writes it as the editor's Export does. The NTF tile is always\n"
                    "401 x 401 heights and the Vistapro file 258 x 258, the map cut or padded with\n"
                    "zeros. tin and vrml reduce the grid to at most --polygons triangles (500),\n"
                    "stopping early once no node is more than --tolerance (10) off; a height h stands\n"
                    "h * vertical * horizontal / 100 model units high, one grid step is horizontal\n"
                    "units long (both start from the map's size and spacing). OUT is replaced only\n"
                    "once the whole file is written. 'tarntool formats' lists the formats.\n"
                    "geotiff: Int16 heights, nodata -1001, the map's spacing from --origin (in metres,\n"
                    "or in the units of --srs). png16, raw16: heights scaled from MinHeight..MaxHeight\n"
                    "to 0..65535, with NAME.json giving the range, spacing and size. obj (with\n"
                    "NAME.mtl), gltf (binary unless OUT ends in .gltf): the terrain in metres,\n"
                    "coloured by the map's colour scheme or draped with --texture; every square\n"
                    "unless --polygons or --tolerance is given.");
    command->add_option("FORMAT", options->format, "the format to write")
        ->required()
        ->check(CLI::IsMember(WritableFormatNames()));
    command->add_option("IN.lem", options->input, "the map to read")->required();
    command->add_option("OUT", options->output, "the file to write")->required();
    command->add_option("--origin", options->origin, "geotiff: the north-west corner's position (0,0)")
        ->option_text("X,Y")
        ->check([](const std::string& text) { return Refusal(ParseOrigin(text).has_value(), "expected X,Y"); });
    command->add_option("--srs", options->srs, "geotiff: the projected coordinate system of the position")
        ->option_text("EPSG:N")
        ->check([](const std::string& text) { return Refusal(ParseEpsg(text).has_value(), "expected EPSG:N"); });
    command->add_flag("--square", options->parameters.raster.square,
                      "png16, raw16: pad or crop to the nearest 2^n + 1 square");
    command->add_option("--polygons", options->polygons, "tin, vrml, obj, gltf: the most triangles")
        ->check(CLI::Range(2, 10'000'000))
        ->option_text("N");
    command->add_option("--tolerance", options->tolerance, "tin, vrml, obj, gltf: the largest height error wanted")
        ->check(CLI::NonNegativeNumber);
    using Limits = TPolygonExportOptions;
    const auto scale = CLI::Range(Limits::kMinScale, Limits::kMaxScale);
    command->add_option("--vertical", options->vertical, "tin, vrml: the vertical scale")->check(scale);
    command->add_option("--horizontal", options->horizontal, "tin, vrml: model units per grid step")->check(scale);
    command->add_option("--texture", options->texture,
                        "vrml: the picture named as the surface's texture (textures.jpg); obj, gltf: a BMP "
                        "picture to drape over the mesh")
        ->option_text("PIC");
    command->add_option("--background", options->parameters.polygon.backgroundColour,
                        "vrml: the sky colour as a Windows colour value (13678735)")
        ->check(CLI::Range(0, 0xFFFFFF));
    return {command, [options] { return RunExport(*options); }};
}

}  // namespace tarn::tool
