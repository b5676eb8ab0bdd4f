#include "model/Errors.h"
#include "tools/Command.h"
#include "tools/OffscreenFrames.h"
#include "tools/ScriptInput.h"
#include "tools/ToolScene.h"
#include "viewer/anim/AnimMessages.h"
#include "viewer/anim/CameraPlan.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

struct TPanoramaOptions {
    TSceneOptions scene;
    std::string script;
    std::string output;
};

int RunPanorama(const TPanoramaOptions& options)
{
    const auto script = ReadScriptFor(options.script, true);
    TToolScene scene(options.scene, "tarntool panorama");
    const auto cameras = PanoramaCameras(script, scene.net.MapHeader.ShortSide);
    if (cameras.empty())
        throw ETarnError(msg::NoValidScript);
    scene.net.MapHeader.ViewAngle = PanoramaViewAngle(cameras);
    TOffscreenFrames renderer(scene.net, kPanoramaFrameWidth, kPanoramaFrameHeight, 1, "Creating Panorama");
    const auto panorama = AssemblePanorama(cameras, renderer);
    WriteBmpFile(options.output, panorama);
    scene.ReportMissingSky();
    std::printf("panorama of %zu strips written to %s (%d x %d)\n", cameras.size(), options.output.c_str(),
                panorama.width, panorama.height);
    return scene.ActorsMissing() ? kExitIncomplete : kExitSuccess;
}

}  // namespace

TCommand AddPanoramaCommand(CLI::App& tool)
{
    auto options = std::make_shared<TPanoramaOptions>();
    auto* command = tool.add_subcommand("panorama", "render a panorama script into one wide BMP picture");
    command->footer("Renders every point of a panorama script (made with the viewer's Make Path) at\n"
                    "600 x 440 and pastes the 16 pixel wide strip from the middle of each side by\n"
                    "side, as the viewer's Run Script does: a script of N points gives a picture\n"
                    "(N - 1) x 16 pixels wide and 440 high. The angle of view is chosen so that each\n"
                    "strip spans the turn between neighbouring points and the strips meet.");
    command->add_option("-o,--output", options->output, "the BMP picture to write")
        ->required()
        ->option_text("PANO.bmp");
    AddSceneOptions(*command, options->scene);
    command->add_option("MAP.lem", options->scene.map, "the map to look around")->required();
    command->add_option("SCRIPT.srp", options->script, "the panorama script")->required();
    return {command, [options] { return RunPanorama(*options); }};
}

}  // namespace tarn::tool
