#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/FormatNames.h"
#include "tools/LoadMap.h"
#include "tools/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace tarn::tool {

namespace {

struct TExportOptions {
    std::string format;
    std::string input;
    std::string output;
};

int RunExport(const TExportOptions& options)
{
    TNet net;
    LoadMapOrRefuse(options.input, net);
    TerminalProgress progress;
    ExportFile(*FindFormat(options.format), net, options.output, {}, progress);
    return kExitSuccess;
}

}  // namespace

TCommand AddExportCommand(CLI::App& tool)
{
    auto options = std::make_shared<TExportOptions>();
    auto* command = tool.add_subcommand("export", "write a map in a foreign format");
    command->footer("Loads IN.lem and writes it as the editor's Export does. The NTF tile is always\n"
                    "401 x 401 heights, the map cut or padded with zeros. OUT is replaced only once\n"
                    "the whole file is written. 'tarntool formats' lists the formats.");
    command->add_option("FORMAT", options->format, "the format to write")
        ->required()
        ->check(CLI::IsMember(WritableFormatNames()));
    command->add_option("IN.lem", options->input, "the map to read")->required();
    command->add_option("OUT", options->output, "the file to write")->required();
    return {command, [options] { return RunExport(*options); }};
}

}  // namespace tarn::tool
