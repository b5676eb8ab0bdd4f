#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace tarn::tool {

// Exit codes of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;  // the input was refused (a coded message was printed)
inline constexpr int kExitUsage = 2;    // the command line could not be understood
inline constexpr int kExitIncomplete = 3;  // done without some of what was asked for (messages say what)

// One command as declared on the tool's command line.
struct TCommand {
    // The command's CLI11 subcommand: its options, their checks and help.
    CLI::App* subcommand = nullptr;
    // Runs the command with the values its options were parsed into and
    // returns the exit code. Input it refuses is thrown as ETarnError.
    std::function<int()> run;
};

// Each command lives in a file of its own with one of these functions, which
// adds the command's subcommand to the tool and binds its options to values
// the run function reads. A new command adds its file and one entry to the
// list in Tarntool.cpp, and to the list in LightTarntool.cpp as well when it
// needs neither the geospatial library, OpenGL nor Qt.
using AddCommand = TCommand (*)(CLI::App& tool);
TCommand AddNewCommand(CLI::App& tool);
TCommand AddInfoCommand(CLI::App& tool);
TCommand AddCopyCommand(CLI::App& tool);
TCommand AddCheckCommand(CLI::App& tool);
TCommand AddSampleCommand(CLI::App& tool);
TCommand AddRenderCommand(CLI::App& tool);
TCommand AddAnimateCommand(CLI::App& tool);
TCommand AddPanoramaCommand(CLI::App& tool);
TCommand AddImportCommand(CLI::App& tool);
TCommand AddExportCommand(CLI::App& tool);
TCommand AddFormatsCommand(CLI::App& tool);
TCommand AddInterpolateCommand(CLI::App& tool);
TCommand AddFractalCommand(CLI::App& tool);

}  // namespace tarn::tool
