#include "tools/RenderCommand.h"

#include "model/LemFileIO.h"
#include "model/ParseNumber.h"
#include "tools/CommandLine.h"
#include "tools/TerminalProgress.h"
#include "viewer/render/PictureReadBack.h"
#include "viewer/render/ViewNet.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <filesystem>
#include <tuple>
#include <cstdio>

namespace tarn::tool {

namespace {

constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;
constexpr int kLargestSide = 8192;

// Two whole numbers joined by `separator`, as in "640x480" or "3/10".
std::pair<long long, long long> NumberPair(const std::string& text, char separator, const std::string& option)
{
    const auto at = text.find(separator);
    const auto first = at == std::string::npos ? std::nullopt : ParseInteger(std::string_view(text).substr(0, at));
    const auto second = at == std::string::npos ? std::nullopt : ParseInteger(std::string_view(text).substr(at + 1));
    if (!first || !second)
        throw UsageError("--" + option + " needs the form " + (separator == 'x' ? "WIDTHxHEIGHT" : "N/M") +
                         ", not \"" + text + "\"");
    return {*first, *second};
}

int RunRender(const std::vector<std::string>& words)
{
    // "-o" is the short form of "--output".
    std::vector<std::string> expanded;
    for (const auto& word : words)
        expanded.push_back(word == "-o" ? "--output" : word);
    const CommandLine args(expanded, {"output", "size", "frame", "actors"});
    args.requirePositional(1);
    const std::string output = args.requireOption("output");
    long long width = kDefaultWidth;
    long long height = kDefaultHeight;
    if (auto size = args.option("size"))
        std::tie(width, height) = NumberPair(*size, 'x', "size");
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        throw UsageError("--size must give sides of 1 to 8192 pixels");
    long long frame = 0;
    long long frames = 0;
    if (auto text = args.option("frame"))
        std::tie(frame, frames) = NumberPair(*text, '/', "frame");
    if (frame < 0 || frames < 0 || frame > 1000000 || frames > 1000000)
        throw UsageError("--frame needs 0 <= N and 0 <= M");

    const std::filesystem::path mapFile = args.positional()[0];
    TViewNet net;
    TerminalProgress progress;
    if (!LoadLemFile(mapFile, net, progress))
        return kExitRefused;
    net.ActorDirectory = args.option("actors").value_or(mapFile.parent_path().string());
    for (const auto& warning : net.LoadActors())
        std::fprintf(stderr, "%s\n", warning.c_str());

    TOffscreenContext context(static_cast<int>(width), static_cast<int>(height));
    net.InitContext();
    net.SetViewSize(context.Width(), context.Height());
    net.SetFrameInfo(static_cast<int>(frame), static_cast<int>(frames));
    net.DrawScene(0, net.MapHeader.FractalDepth, &progress);
    WriteBmpFile(output, ReadPicture(context.Width(), context.Height()));
    return kExitSuccess;
}

}  // namespace

const ToolCommand kRenderCommand{
    "render", "draw a map's 3D view into a BMP picture",
    "usage: tarntool render MAP.lem -o PICTURE.bmp [--size WxH] [--frame N/M] [--actors DIR]\n"
    "\n"
    "Draws the landscape with the scene settings stored in the map (camera, light,\n"
    "colouring scheme, mist, sky, surface detail, actors) without a display and\n"
    "writes the picture as a 24-bit BMP file, as the viewer's Save Picture does.\n"
    "--size    picture size in pixels (640x480 unless given)\n"
    "--frame   frame N of an animation of M frames (0/0, a still picture, unless given)\n"
    "--actors  folder of the actor files the map names (the map's own folder unless given)\n",
    RunRender};

}  // namespace tarn::tool
