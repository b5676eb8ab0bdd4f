#include "tools/ToolScene.h"

#include "model/MapView.h"
#include "tools/LoadMap.h"
#include "viewer/render/ViewCheck.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace tarn::tool {

void AddSceneOptions(CLI::App& command, TSceneOptions& options)
{
    command.add_option("--actors", options.actors,
                       "folder of the actor files the map names (the map's own folder unless given)")
        ->option_text("DIR");
    command.add_option("--sky", options.sky, "picture of the textured sky (none unless given: the plain sky)")
        ->option_text("PIC.bmp");
    command.add_option("--overlay", options.overlay,
                       "picture draped over the map in the Overlay scheme (the map's own unless given)")
        ->option_text("PIC.bmp");
}

TToolScene::TToolScene(const TSceneOptions& options, const char* commandName)
    : sky_(options.sky), commandName_(commandName)
{
    const std::filesystem::path mapFile = options.map;
    LoadMapOrRefuse(mapFile, net);
    ViewWholeMapIfNewView(net);
    if (const auto warning = SettleView(net.MapHeader))
        std::fprintf(stderr, "%s: %s\n", commandName_, warning->c_str());
    net.ActorDirectory = options.actors.empty() ? mapFile.parent_path().string() : options.actors;
    for (const auto& message : net.LoadActors())
        std::fprintf(stderr, "%s\n", message.c_str());
    net.OverlayPicture = options.overlay;
    settings_.WriteText(kViewerSettingsKey, "Drawing", "SkyFile", options.sky);
    net.Settings = &settings_;
}

void TToolScene::ReportMissingSky() const
{
    if (!net.MissingSkyPicture())
        return;
    if (sky_.empty())
        std::fprintf(stderr,
                     "%s: the map asks for a textured sky and no sky picture was given (--sky PIC.bmp); "
                     "the plain sky was drawn\n",
                     commandName_);
    else
        std::fprintf(stderr, "%s: the sky picture %s could not be read; the plain sky was drawn\n", commandName_,
                     sky_.c_str());
}

bool TToolScene::ActorsMissing() const
{
    const auto& h = net.MapHeader;
    const auto unreadable = net.UnreadableActorSlots();
    return h.DrawAllActors && std::any_of(unreadable.begin(), unreadable.end(), [&](int slot) {
               return h.TerrainActors[static_cast<std::size_t>(slot)].DrawActor != 0;
           });
}

}  // namespace tarn::tool
