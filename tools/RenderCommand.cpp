#include "tools/Command.h"
#include "tools/NumberPair.h"
#include "tools/TerminalProgress.h"
#include "tools/ToolScene.h"
#include "viewer/render/PictureReadBack.h"
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
    TSceneOptions scene;
    std::string output;
    std::string size = "640x480";
    std::string frame = "0/0";
};

// True when every pixel has the first one's colour: nothing of the map is
// in view.
bool ShowsOneColour(const TDibPicture& picture)
{
    const auto first = picture.PixelAt(0, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (!(picture.PixelAt(x, y) == first))
                return false;
    return true;
}

int RunRender(const TRenderOptions& options)
{
    const auto size = *ParseNumberPair(options.size, 'x');
    const auto frame = *ParseNumberPair(options.frame, '/');
    TToolScene scene(options.scene, "tarntool render");
    auto& net = scene.net;

    TerminalProgress progress;
    TOffscreenContext context(static_cast<int>(size.first), static_cast<int>(size.second));
    net.InitContext();
    net.SetViewSize(context.Width(), context.Height());
    net.SetFrameInfo(static_cast<int>(frame.first), static_cast<int>(frame.second));
    net.DrawScene(0, net.MapHeader.FractalDepth, &progress);
    scene.ReportMissingSky();
    const TDibPicture picture = ReadPicture(context.Width(), context.Height());
    if (ShowsOneColour(picture))
        std::fputs("tarntool render: the picture is all one colour: the camera may be inside or below the ground, "
                   "or looking away from the map (set the view in flyview's Parameters dialog)\n",
                   stderr);
    WriteBmpFile(options.output, picture);
    return scene.ActorsMissing() ? kExitIncomplete : kExitSuccess;
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
                    "messages name the files, and the exit code is 3. With --size up to\n"
                    "8192x8192 it also makes the large pictures of flyview's Create Print Bitmap.");
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
    AddSceneOptions(*command, options->scene);
    command->add_option("MAP.lem", options->scene.map, "the map to draw")->required();
    command->callback([options] { CheckFrame(options->frame); });
    return {command, [options] { return RunRender(*options); }};
}

}  // namespace tarn::tool
