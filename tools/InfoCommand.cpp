#include "model/Net.h"
#include "tools/Command.h"
#include "tools/HeaderJson.h"
#include "tools/LoadMap.h"
#include "tools/MapSummary.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

struct TInfoOptions {
    std::string map;
    bool brief = false;
};

int RunInfo(const TInfoOptions& options)
{
    TNet net;
    LoadMapOrRefuse(options.map, net);
    const std::string text = options.brief ? MapSummary(options.map, net) : MapInfoJson(net);
    std::fputs(text.c_str(), stdout);
    return kExitSuccess;
}

}  // namespace

TCommand AddInfoCommand(CLI::App& tool)
{
    auto options = std::make_shared<TInfoOptions>();
    auto* command = tool.add_subcommand("info", "print a map's header fields, counts and height range as JSON");
    command->footer("Loads the map and prints every named header field, the node, square, overlay\n"
                    "and label counts and the range of the heights that are not null, as JSON.\n"
                    "With --brief it prints a few lines a person reads at a glance instead.");
    command->add_flag("--brief", options->brief,
                      "only the map's name, grid, ground size, height range, overlays and labels");
    command->add_option("FILE.lem", options->map, "the map to describe")->required();
    return {command, [options] { return RunInfo(*options); }};
}

}  // namespace tarn::tool
