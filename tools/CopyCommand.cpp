#include "model/LemFileIO.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/LoadMap.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace tarn::tool {

namespace {

struct TCopyOptions {
    std::string input;
    std::string output;
};

int RunCopy(const TCopyOptions& options)
{
    TNet net;
    LoadMapOrRefuse(options.input, net);
    SaveLemFile(options.output, net);
    return kExitSuccess;
}

}  // namespace

TCommand AddCopyCommand(CLI::App& tool)
{
    auto options = std::make_shared<TCopyOptions>();
    auto* command = tool.add_subcommand("copy", "load a map and save it again");
    command->footer("Loads IN.lem and saves it as OUT.lem, as the editor's Open and Save do.\n"
                    "Loading recomputes a few header fields, so the copy differs from IN.lem where\n"
                    "they were stored otherwise: the bounds (from the map's corners; a new map holds\n"
                    "half its world size there instead), the highest and lowest height (from the\n"
                    "heights), the shading-changed flag (set) and the scene percentage (kept within\n"
                    "2 to 99). Bytes after the last label are left out. Everything else is copied\n"
                    "byte for byte, and a copy of a map that was loaded and saved is identical.\n"
                    "OUT.lem is replaced only once the new file is safely written.");
    command->add_option("IN.lem", options->input, "the map to read")->required();
    command->add_option("OUT.lem", options->output, "the file to write")->required();
    return {command, [options] { return RunCopy(*options); }};
}

}  // namespace tarn::tool
