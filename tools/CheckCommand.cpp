#include "model/Errors.h"
#include "model/LemFileCheck.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

int RunCheck(const std::string& file)
{
    TNet net;
    TerminalProgress progress;
    const auto findings = InspectLemFile(file, net, progress);
    if (!findings)
        throw ETarnError("Load aborted");
    for (const auto& contradiction : findings->contradictions)
        std::printf("%s: %s\n", file.c_str(), contradiction.c_str());
    if (!findings->contradictions.empty())
        throw ETarnError(std::string(msg::CorruptLem) + ": the header's grid fields contradict each other");
    if (findings->trailingBytes > 0)
        std::printf("%s: warning: %ju bytes after the last label are not part of the map; a save leaves them out\n",
                    file.c_str(), findings->trailingBytes);
    std::printf("%s: valid LEM file, %d x %d nodes\n", file.c_str(), net.MapHeader.Columns, net.MapHeader.Rows);
    return kExitSuccess;
}

}  // namespace

TCommand AddCheckCommand(CLI::App& tool)
{
    auto file = std::make_shared<std::string>();
    auto* command = tool.add_subcommand("check", "tell whether a file is a valid map");
    command->footer("Exits with 0 when the file loads as a map whose header agrees with itself, and\n"
                    "with 1 and the coded message telling why when it is refused. Each header field\n"
                    "that contradicts the others (extents, scale, world size, bounds) is named.\n"
                    "Bytes after the last label are reported as a warning, which leaves the exit\n"
                    "code 0.");
    command->add_option("FILE.lem", *file, "the map to check")->required();
    return {command, [file] { return RunCheck(*file); }};
}

}  // namespace tarn::tool
