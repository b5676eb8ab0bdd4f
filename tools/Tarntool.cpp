#include "tools/Tarntool.h"

#include "model/Errors.h"
#include "tools/Command.h"
#include "tools/HelpFormatter.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace tarn::tool {

namespace {

using AddCommand = TCommand (*)(CLI::App& tool);

// Every command, in the order the overview lists them.
constexpr AddCommand kCommands[] = {
    &AddNewCommand,    &AddInfoCommand,   &AddCopyCommand,    &AddCheckCommand,
    &AddImportCommand, &AddExportCommand, &AddFormatsCommand, &AddInterpolateCommand,
    &AddFractalCommand, &AddSampleCommand,
#ifdef TARNTOOL_RENDER
    &AddRenderCommand, &AddAnimateCommand, &AddPanoramaCommand,
#endif
};

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

}  // namespace

int RunTarntool(const std::vector<std::string>& arguments)
{
    CLI::App tool("Makes, inspects, checks, imports, exports and draws LEM landscape maps.", "tarntool");
    tool.formatter(std::make_shared<THelpFormatter>());
    tool.require_subcommand(1);
    tool.footer("'tarntool COMMAND --help' tells more of one command.\n"
                "Exit codes: 0 success, 1 input refused, 2 usage error,\n"
                "3 done without some of what was asked for (render, animate, panorama: actors that\n"
                "could not be read; animate: a video without ffmpeg).");
    std::vector<TCommand> commands;
    for (const auto add : kCommands) {
        commands.push_back(add(tool));
        commands.back().subcommand->group("Commands");
    }
    commands.push_back(AddHelpCommand(tool));

    // CLI11 takes the words last first.
    std::vector<std::string> words(arguments.rbegin(), arguments.rend());
    try {
        tool.parse(words);
    } catch (const CLI::ParseError& error) {
        return ReportParseError(tool, error, arguments);
    }
    const auto* selected = tool.get_subcommands().front();
    const auto command = std::find_if(commands.begin(), commands.end(),
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
