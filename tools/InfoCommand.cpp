#include "model/Net.h"
#include "tools/Command.h"
#include "tools/HeaderJson.h"
#include "tools/LoadMap.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

int RunInfo(const std::string& file)
{
    TNet net;
    LoadMapOrRefuse(file, net);
    std::fputs(MapInfoJson(net).c_str(), stdout);
    return kExitSuccess;
}

}  // namespace

TCommand AddInfoCommand(CLI::App& tool)
{
    auto file = std::make_shared<std::string>();
    auto* command = tool.add_subcommand("info", "print a map's header fields, counts and height range as JSON");
    command->footer("Loads the map and prints every named header field, the node, square, overlay\n"
                    "and label counts and the range of the heights that are not null, as JSON.");
    command->add_option("FILE.lem", *file, "the map to describe")->required();
    return {command, [file] { return RunInfo(*file); }};
}

}  // namespace tarn::tool
