#include "tools/Command.h"
#include "tools/NumberPair.h"
#include "tools/OffscreenFrames.h"
#include "tools/ScriptInput.h"
#include "tools/ToolScene.h"
#include "tools/VideoEncoder.h"
#include "viewer/anim/CameraPlan.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

constexpr int kLargestSide = 4096;

struct TAnimateOptions {
    TSceneOptions scene;
    std::string script;
    std::string prefix;
    std::string size = "275x200";
    std::string frames;
    double viewAngle = 0;
    bool antialias = false;
    std::string video;
    int fps = 25;
};

int RunAnimate(const TAnimateOptions& options)
{
    const auto script = ReadScriptFor(options.script, false);
    TToolScene scene(options.scene, "tarntool animate");
    const auto cameras =
        FlightCameras(script, FlightHeightFactor(scene.net.MapHeader), options.viewAngle);
    TFrameRange range;
    if (!options.frames.empty()) {
        const auto pair = *ParseNumberPair(options.frames, '-');
        range = {static_cast<int>(pair.first), static_cast<int>(pair.second)};
    }
    range.last = std::min(range.last, static_cast<int>(cameras.size()) - 1);
    if (range.first > range.last) {
        std::fprintf(stderr, "tarntool animate: no frames to render (the script gives %zu)\n", cameras.size());
        return kExitSuccess;
    }
    const auto size = *ParseNumberPair(options.size, 'x');
    TOffscreenFrames renderer(scene.net, static_cast<int>(size.first), static_cast<int>(size.second),
                              SupersampleFactor(options.antialias), "Creating Animation");
    const int written = WriteFlightFrames(cameras, range, options.prefix, renderer);
    scene.ReportMissingSky();
    std::printf("%d frames written, %s to %s\n", written, FrameFileName(options.prefix, range.first).c_str(),
                FrameFileName(options.prefix, range.first + written - 1).c_str());
    if (!options.video.empty()) {
        const auto failure = EncodeVideo(options.prefix, range.first, written, options.fps, options.video);
        if (!failure.empty()) {
            std::fprintf(stderr, "tarntool animate: %s\n", failure.c_str());
            return kExitIncomplete;
        }
        std::printf("video written to %s\n", options.video.c_str());
    }
    return scene.ActorsMissing() ? kExitIncomplete : kExitSuccess;
}

void CheckRange(const std::string& frames)
{
    if (const auto pair = ParseNumberPair(frames, '-'); pair && pair->first > pair->second)
        throw CLI::ValidationError("--frames", "the first frame " + std::to_string(pair->first) +
                                                   " lies after the last " + std::to_string(pair->second));
}

}  // namespace

TCommand AddAnimateCommand(CLI::App& tool)
{
    auto options = std::make_shared<TAnimateOptions>();
    auto* command = tool.add_subcommand("animate", "render a flight script's frames as numbered BMP pictures");
    command->footer(
        "Renders the fly-through of a flight script (made with the viewer's Make Path)\n"
        "without a display, as the viewer's Run Script does: frame i is written as\n"
        "PREFIX followed by i in three digits and \".bmp\" (fly000.bmp, fly001.bmp, ...).\n"
        "--frames renders only that range and keeps the numbering, so a long flight\n"
        "can be split over machines and the pieces are the same files one run makes:\n"
        "  parallel tarntool animate map.lem fly.srp --prefix out/fly --frames {} ::: 0-99 100-199 200-299\n"
        "  # in a Slurm job array (sbatch --array=0-7):\n"
        "  F=$((SLURM_ARRAY_TASK_ID*100)); tarntool animate map.lem fly.srp --prefix out/fly --frames $F-$((F+99))\n"
        "--video joins the frames into an H.264 file with the ffmpeg program when it\n"
        "is installed (exit code 3 and a message when it is not; the frames stay).");
    command->add_option("--prefix", options->prefix, "the start of every frame's file name, a folder allowed")
        ->required()
        ->option_text("PREFIX");
    command->add_option("--size", options->size, "frame size in pixels (275x200 unless given)")
        ->check(NumberPairIn('x', "WIDTHxHEIGHT", 1, kLargestSide))
        ->option_text("WxH");
    command->add_option("--frames", options->frames, "render only frames FIRST to LAST (numbered from 0)")
        ->check(NumberPairIn('-', "FIRST-LAST", 0, 720))
        ->option_text("FIRST-LAST");
    command->add_option("--view-angle", options->viewAngle, "degrees the view is lowered below level flight (0)")
        ->check(CLI::Range(0.0, 90.0))
        ->option_text("DEGREES");
    command->add_flag("--antialias", options->antialias, "draw every frame twice as large and average it down");
    command->add_option("--video", options->video, "also join the frames into a video with ffmpeg")
        ->option_text("OUT.mp4");
    command->add_option("--fps", options->fps, "frames per second of the video (25 unless given)")
        ->check(CLI::Range(1, 120))
        ->option_text("N");
    AddSceneOptions(*command, options->scene);
    command->add_option("MAP.lem", options->scene.map, "the map to fly over")->required();
    command->add_option("SCRIPT.srp", options->script, "the flight script")->required();
    command->callback([options] { CheckRange(options->frames); });
    return {command, [options] { return RunAnimate(*options); }};
}

}  // namespace tarn::tool
