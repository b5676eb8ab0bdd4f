#include "exchange/FractalOverlayFile.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/LoadMap.h"
#include "tools/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>

namespace tarn::tool {

namespace {

struct TFractalOptions {
    std::string input;
    std::string output;
    int level = static_cast<int>(fractal::TRoughness::None);
    int density = static_cast<int>(fractal::TRoughness::None);
    std::optional<int> lightAltitude;  // the map's own unless given
    std::optional<int> lightAzimuth;
    std::uint32_t seed = 1;
    int screenWidth = 1024;
};

int RunFractal(const TFractalOptions& options)
{
    TNet net;
    LoadMapOrRefuse(options.input, net);
    auto& header = net.MapHeader;
    header.LightAlt = static_cast<std::int16_t>(options.lightAltitude.value_or(header.LightAlt));
    header.LightAz = static_cast<std::int16_t>(options.lightAzimuth.value_or(header.LightAz));
    const fractal::TFractalParameters parameters{options.screenWidth, static_cast<fractal::TRoughness>(options.level),
                                                 static_cast<fractal::TRoughness>(options.density), options.seed};
    TerminalProgress progress;
    WriteFractalOverlay(net, parameters, options.output, TOverlayColours::TrueColour, progress);
    return kExitSuccess;
}

}  // namespace

TCommand AddFractalCommand(CLI::App& tool)
{
    auto options = std::make_shared<TFractalOptions>();
    auto* command = tool.add_subcommand("fractal", "paint a map's lit, roughened overlay picture");
    command->footer(
        "Paints the top view of MAP.lem in its gradient colours, each grid square lit from\n"
        "the light direction and blended into its neighbours, and writes it as a 24-bit BMP\n"
        "picture that the viewer drapes over the map in its Overlay scheme. A grid square\n"
        "takes the screen width over the squares along the map's longer side, in whole\n"
        "pixels. Roughness: 1 High, 2 Medium, 3 Low, 4 None; --levels shifts the colours of\n"
        "small blocks, --density brightens larger ones, and with --levels 4 nothing is\n"
        "roughened. The same --seed gives the same picture.");
    command->add_option("MAP.lem", options->input, "the map to paint")->required();
    command->add_option("-o,--output", options->output, "the picture to write")->required()->option_text(
        "OVERLAY.bmp");
    command->add_option("--levels", options->level, "roughness of the colours (4, None, unless given)")
        ->check(CLI::Range(1, 4))
        ->option_text("N");
    command->add_option("--density", options->density, "roughness of the brightness (4, None, unless given)")
        ->check(CLI::Range(1, 4))
        ->option_text("N");
    command->add_option("--light-alt", options->lightAltitude, "light altitude in degrees (the map's unless given)")
        ->check(CLI::Range(0, 90))
        ->option_text("A");
    command->add_option("--light-az", options->lightAzimuth, "light azimuth in degrees (the map's unless given)")
        ->check(CLI::Range(0, 355))
        ->option_text("Z");
    command->add_option("--seed", options->seed, "start of the random roughening (1 unless given)")->option_text("S");
    command->add_option("--screen-width", options->screenWidth, "the screen width in pixels (1024 unless given)")
        ->check(CLI::Range(1, 16384))
        ->option_text("W");
    return {command, [options] { return RunFractal(*options); }};
}

}  // namespace tarn::tool
