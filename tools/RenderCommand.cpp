#include "model/ParseNumber.h"
#include "model/SettingsStore.h"
#include "tools/Command.h"
#include "tools/LoadMap.h"
#include "tools/TerminalProgress.h"
#include "viewer/render/PictureReadBack.h"
#include "viewer/render/ViewCheck.h"
#include "viewer/render/ViewNet.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <CLI/CLI.hpp>

#include <algorithm>
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
    std::string actors;   // empty for the map's own folder
    std::string sky;      // the textured sky's picture, as the viewer's "SkyFile" setting
    std::string overlay;  // empty for the map's own OverlayFile
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

// Whether some actor the map asks to draw could not be read.
bool ActorsMissing(const TViewNet& net)
{
    const auto& h = net.MapHeader;
    const auto unreadable = net.UnreadableActorSlots();
    return h.DrawAllActors && std::any_of(unreadable.begin(), unreadable.end(), [&](int slot) {
               return h.TerrainActors[static_cast<std::size_t>(slot)].DrawActor != 0;
           });
}

int RunRender(const TRenderOptions& options)
{
    const auto size = *ParseNumberPair(options.size, 'x');
    const auto frame = *ParseNumberPair(options.frame, '/');
    const std::filesystem::path mapFile = options.map;
    TViewNet net;
    LoadMapOrRefuse(mapFile, net);
    if (const auto warning = SettleView(net.MapHeader))
        std::fprintf(stderr, "tarntool render: %s\n", warning->c_str());
    net.ActorDirectory = options.actors.empty() ? mapFile.parent_path().string() : options.actors;
    for (const auto& message : net.LoadActors())
        std::fprintf(stderr, "%s\n", message.c_str());
    net.OverlayPicture = options.overlay;
    MemorySettingsStore settings;
    settings.WriteText(kViewerSettingsKey, "Drawing", "SkyFile", options.sky);
    net.Settings = &settings;

    TerminalProgress progress;
    TOffscreenContext context(static_cast<int>(size.first), static_cast<int>(size.second));
    net.InitContext();
    net.SetViewSize(context.Width(), context.Height());
    net.SetFrameInfo(static_cast<int>(frame.first), static_cast<int>(frame.second));
    net.DrawScene(0, net.MapHeader.FractalDepth, &progress);
    if (net.MissingSkyPicture())
        std::fprintf(stderr, "tarntool render: %s\n",
                     options.sky.empty() ? "the map asks for a textured sky and no sky picture was given (--sky PIC.bmp); "
                                           "the plain sky was drawn"
                                         : ("the sky picture " + options.sky + " could not be read; the plain sky was drawn")
                                               .c_str());
    WriteBmpFile(options.output, ReadPicture(context.Width(), context.Height()));
    return ActorsMissing(net) ? kExitIncomplete : kExitSuccess;
}

// Refuses a frame number beyond the animation's last frame.
void CheckFrame(const std::string& text)
{
    if (const auto frame = ParseNumberPair(text, '/'); frame && frame->first > frame->second)
        throw CLI::ValidationError("--frame", "frame " + std::to_string(frame->first) +
                                                  " lies beyond the animation's last frame " +
                                                  std::to_string(frame->second));
}

}  // namespace

TCommand AddRenderCommand(CLI::App& tool)
{
    auto options = std::make_shared<TRenderOptions>();
    auto* command = tool.add_subcommand("render", "draw a map's 3D view into a BMP picture");
    command->footer("Draws the landscape with the scene settings stored in the map (camera, light,\n"
                    "colouring scheme, mist, sky, surface detail, actors) without a display and\n"
                    "writes the picture as a 24-bit BMP file, as the viewer's Save Picture does.\n"
                    "A textured sky without a --sky picture is drawn as the plain sky. When actors\n"
                    "the map asks for cannot be read, the picture is written without them, the\n"
                    "messages name the files, and the exit code is 3.");
    command->add_option("-o,--output", options->output, "the BMP picture to write")
        ->required()
        ->option_text("PICTURE.bmp");
    command->add_option("--size", options->size, "picture size in pixels (640x480 unless given)")
        ->check(NumberPairIn('x', "WIDTHxHEIGHT", 1, kLargestSide))
        ->option_text("WxH");
    command->add_option("--frame", options->frame,
                        "frame N of an animation whose frames are 0 to M (0/0, a still picture, unless given)")
        ->check(NumberPairIn('/', "N/M", 0, kMostFrames))
        ->option_text("N/M");
    command->add_option("--actors", options->actors,
                        "folder of the actor files the map names (the map's own folder unless given)")
        ->option_text("DIR");
    command->add_option("--sky", options->sky, "picture of the textured sky (none unless given: the plain sky)")
        ->option_text("PIC.bmp");
    command->add_option("--overlay", options->overlay,
                        "picture draped over the map in the Overlay scheme (the map's own unless given)")
        ->option_text("PIC.bmp");
    command->add_option("MAP.lem", options->map, "the map to draw")->required();
    command->callback([options] { CheckFrame(options->frame); });
    return {command, [options] { return RunRender(*options); }};
}

}  // namespace tarn::tool
