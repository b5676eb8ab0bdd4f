#include "model/ParseNumber.h"
#include "tools/Command.h"
#include "tools/LoadMap.h"
#include "tools/TerminalProgress.h"
#include "viewer/render/PictureReadBack.h"
#include "viewer/render/ViewNet.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace tarn::tool {

namespace {

constexpr int kLargestSide = 8192;
constexpr int kMostFrames = 1000000;

struct TRenderOptions {
    std::string map;
    std::string output;
    std::string size = "640x480";
    std::string frame = "0/0";
    std::string actors;  // empty for the map's own folder
};

struct TNumberPair {
    long long first = 0;
    long long second = 0;
};

// Two whole numbers joined by `separator`, as in "640x480" or "3/10".
std::optional<TNumberPair> ParseNumberPair(std::string_view text, char separator)
{
    const auto at = text.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto first = ParseInteger(text.substr(0, at));
    const auto second = ParseInteger(text.substr(at + 1));
    if (!first || !second)
        return std::nullopt;
    return TNumberPair{*first, *second};
}

// Accepts a number pair of the given form whose numbers lie in lowest..highest.
CLI::Validator NumberPairIn(char separator, const std::string& form, long long lowest, long long highest)
{
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const auto pair = ParseNumberPair(text, separator);
            if (!pair)
                return "needs the form " + form + ", not \"" + text + "\"";
            if (pair->first < lowest || pair->second < lowest || pair->first > highest || pair->second > highest)
                return "needs numbers from " + std::to_string(lowest) + " to " + std::to_string(highest);
            return {};
        },
        form);
}

int RunRender(const TRenderOptions& options)
{
    const auto size = *ParseNumberPair(options.size, 'x');
    const auto frame = *ParseNumberPair(options.frame, '/');
    const std::filesystem::path mapFile = options.map;
    TViewNet net;
    LoadMapOrRefuse(mapFile, net);
    net.ActorDirectory = options.actors.empty() ? mapFile.parent_path().string() : options.actors;
    for (const auto& warning : net.LoadActors())
        std::fprintf(stderr, "%s\n", warning.c_str());

    TerminalProgress progress;
    TOffscreenContext context(static_cast<int>(size.first), static_cast<int>(size.second));
    net.InitContext();
    net.SetViewSize(context.Width(), context.Height());
    net.SetFrameInfo(static_cast<int>(frame.first), static_cast<int>(frame.second));
    net.DrawScene(0, net.MapHeader.FractalDepth, &progress);
    WriteBmpFile(options.output, ReadPicture(context.Width(), context.Height()));
    return kExitSuccess;
}

}  // namespace

TCommand AddRenderCommand(CLI::App& tool)
{
    auto options = std::make_shared<TRenderOptions>();
    auto* command = tool.add_subcommand("render", "draw a map's 3D view into a BMP picture");
    command->footer("Draws the landscape with the scene settings stored in the map (camera, light,\n"
                    "colouring scheme, mist, sky, surface detail, actors) without a display and\n"
                    "writes the picture as a 24-bit BMP file, as the viewer's Save Picture does.");
    command->add_option("-o,--output", options->output, "the BMP picture to write")
        ->required()
        ->option_text("PICTURE.bmp");
    command->add_option("--size", options->size, "picture size in pixels (640x480 unless given)")
        ->check(NumberPairIn('x', "WIDTHxHEIGHT", 1, kLargestSide))
        ->option_text("WxH");
    command->add_option("--frame", options->frame, "frame N of an animation of M frames (0/0, a still picture, unless given)")
        ->check(NumberPairIn('/', "N/M", 0, kMostFrames))
        ->option_text("N/M");
    command->add_option("--actors", options->actors,
                        "folder of the actor files the map names (the map's own folder unless given)")
        ->option_text("DIR");
    command->add_option("MAP.lem", options->map, "the map to draw")->required();
    return {command, [options] { return RunRender(*options); }};
}

}  // namespace tarn::tool
