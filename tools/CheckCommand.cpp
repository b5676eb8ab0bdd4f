#include "model/Net.h"
#include "tools/Command.h"
#include "tools/LoadMap.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

int RunCheck(const std::string& file)
{
    TNet net;
    LoadMapOrRefuse(file, net);
    std::printf("%s: valid LEM file, %d x %d nodes\n", file.c_str(), net.MapHeader.Columns, net.MapHeader.Rows);
    return kExitSuccess;
}

}  // namespace

TCommand AddCheckCommand(CLI::App& tool)
{
    auto file = std::make_shared<std::string>();
    auto* command = tool.add_subcommand("check", "tell whether a file is a valid map");
    command->footer("Exits with 0 when the file loads as a map, and with 1 and the coded message\n"
                    "telling why when it is refused.");
    command->add_option("FILE.lem", *file, "the map to check")->required();
    return {command, [file] { return RunCheck(*file); }};
}

}  // namespace tarn::tool
