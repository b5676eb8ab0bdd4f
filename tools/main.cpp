// tarntool: the suite's command-line tool over the map libraries.
#include "model/Errors.h"
#include "tools/Command.h"
#include "tools/CommandLine.h"
#include "tools/MapCommands.h"
#include "tools/RenderCommand.h"
#include "tools/SampleCommand.h"

#include <array>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace tarn::tool;

// Every command, in the order --help lists them.
const std::array kCommands{
    &kNewCommand, &kInfoCommand, &kCopyCommand, &kCheckCommand, &kSampleCommand, &kRenderCommand,
};

void PrintOverview(std::FILE* stream)
{
    std::fputs("usage: tarntool COMMAND [ARGUMENTS]\n\ncommands:\n", stream);
    for (const auto* command : kCommands)
        std::fprintf(stream, "  %-8.*s %.*s\n", static_cast<int>(command->name.size()), command->name.data(),
                     static_cast<int>(command->summary.size()), command->summary.data());
    std::fputs("\n'tarntool COMMAND --help' tells more of one command.\n"
               "Exit codes: 0 success, 1 input refused, 2 usage error.\n",
               stream);
}

const ToolCommand* FindCommand(const std::string& name)
{
    for (const auto* command : kCommands)
        if (command->name == name)
            return command;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(words.empty() ? stderr : stdout);
        return words.empty() ? kExitUsage : kExitSuccess;
    }
    const ToolCommand* command = FindCommand(words[0]);
    if (!command) {
        std::fprintf(stderr, "tarntool: unknown command \"%s\"\n\n", words[0].c_str());
        PrintOverview(stderr);
        return kExitUsage;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    try {
        if (CommandLine(rest, {}, {}).wantsHelp()) {
            std::fwrite(command->help.data(), 1, command->help.size(), stdout);
            return kExitSuccess;
        }
    } catch (const UsageError&) {
        // Options are checked by the command itself below.
    }
    try {
        return command->run(rest);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "tarntool %s: %s\n\n%.*s", words[0].c_str(), error.what(),
                     static_cast<int>(command->help.size()), command->help.data());
        return kExitUsage;
    } catch (const tarn::ETarnError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return kExitRefused;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarntool %s: %s\n", words[0].c_str(), error.what());
        return kExitRefused;
    }
}
