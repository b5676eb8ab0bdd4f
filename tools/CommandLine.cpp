#include "tools/CommandLine.h"

#include "model/Errors.h"
#include "tools/Command.h"
#include "tools/HelpFormatter.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

// "help" is understood as --help, without being listed.
TCommand AddHelpCommand(CLI::App& tool)
{
    auto* help = tool.add_subcommand("help", "show this overview")->group("");
    return {help, [&tool] {
                std::fputs(tool.get_formatter()->make_help(&tool, tool.get_name(), CLI::AppFormatMode::Normal).c_str(),
                           stdout);
                return kExitSuccess;
            }};
}

// "tarntool new" when the words name a command, else "tarntool".
std::string CommandName(const CLI::App& tool)
{
    const auto selected = tool.get_subcommands();
    return tool.get_name() + (selected.empty() ? "" : " " + selected.front()->get_name());
}

int ReportParseError(const CLI::App& tool, const CLI::ParseError& error, const std::vector<std::string>& arguments)
{
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {  // --help
        std::fputs(tool.help().c_str(), stdout);
        return kExitSuccess;
    }
    // CLI11 takes a first word that names no command for a stray argument.
    const bool unknownCommand =
        tool.get_subcommands().empty() && !arguments.empty() && arguments.front().rfind('-', 0) != 0;
    const std::string why = unknownCommand ? "unknown command \"" + arguments.front() + "\"" : error.what();
    std::fprintf(stderr, "%s: %s\n\n%s", CommandName(tool).c_str(), why.c_str(), tool.help().c_str());
    return kExitUsage;
}

// The tool's command line with the given commands added, in that order.
std::vector<TCommand> AddCommands(CLI::App& tool, std::span<const AddCommand> commands)
{
    tool.formatter(std::make_shared<THelpFormatter>());
    tool.require_subcommand(1);
    tool.footer("'tarntool COMMAND --help' tells more of one command.\n"
                "Exit codes: 0 success, 1 input refused, 2 usage error,\n"
                "3 done without some of what was asked for (render, animate, panorama: actors that\n"
                "could not be read; animate: a video without ffmpeg).");
    std::vector<TCommand> added;
    for (const auto add : commands) {
        added.push_back(add(tool));
        added.back().subcommand->group("Commands");
    }
    added.push_back(AddHelpCommand(tool));
    return added;
}

constexpr const char* kSummary = "Makes, inspects, checks, imports, exports and draws LEM landscape maps.";

}  // namespace

bool NamesCommand(std::span<const AddCommand> commands, const std::string& word)
{
    CLI::App tool;
    return std::any_of(commands.begin(), commands.end(),
                       [&](const AddCommand add) { return add(tool).subcommand->check_name(word); });
}

int RunCommandLine(const std::vector<std::string>& arguments, std::span<const AddCommand> commands)
{
    CLI::App tool(kSummary, "tarntool");
    const auto added = AddCommands(tool, commands);

    // CLI11 takes the words last first.
    std::vector<std::string> words(arguments.rbegin(), arguments.rend());
    try {
        tool.parse(words);
    } catch (const CLI::ParseError& error) {
        return ReportParseError(tool, error, arguments);
    }
    const auto* selected = tool.get_subcommands().front();
    const auto command = std::find_if(added.begin(), added.end(),
                                      [&](const TCommand& c) { return c.subcommand == selected; });
    try {
        return command->run();
    } catch (const ETarnError& error) {
        std::fprintf(stderr, "%s\n", error.what());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", CommandName(tool).c_str(), error.what());
    }
    return kExitRefused;
}

}  // namespace tarn::tool
