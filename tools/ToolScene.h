#pragma once

#include "model/SettingsStore.h"
#include "viewer/render/ViewNet.h"

#include <string>

namespace CLI {
class App;
}

namespace tarn::tool {

// What the drawing commands share: the map and where its pictures and
// actors come from.
struct TSceneOptions {
    std::string map;
    std::string actors;   // empty for the map's own folder
    std::string sky;      // the textured sky's picture, as the viewer's "SkyFile" setting
    std::string overlay;  // empty for the map's own OverlayFile
};

// Adds --actors, --sky and --overlay to a drawing command.
void AddSceneOptions(CLI::App& command, TSceneOptions& options);

// A map loaded for drawing as the viewer would after its Parameters dialog:
// the view settled, actors loaded (their messages printed), the overlay and
// sky pictures named.
class TToolScene {
public:
    TToolScene(const TSceneOptions& options, const char* commandName);
    TToolScene(const TToolScene&) = delete;
    TToolScene& operator=(const TToolScene&) = delete;

    TViewNet net;

    // Prints why the plain sky was drawn when the last pass wanted a textured one.
    void ReportMissingSky() const;
    // Whether some actor the map asks to draw could not be read.
    bool ActorsMissing() const;

private:
    MemorySettingsStore settings_;
    std::string sky_;
    const char* commandName_;
};

}  // namespace tarn::tool
