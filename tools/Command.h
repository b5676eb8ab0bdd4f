#pragma once

#include <string_view>
#include <vector>
#include <string>

namespace tarn::tool {

// Exit codes of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;  // the input was refused (a coded message was printed)
inline constexpr int kExitUsage = 2;    // the command line could not be understood

// One tarntool command. `run` gets the words after the command's name and
// returns the exit code; it may throw CommandLine's UsageError or ETarnError,
// which the dispatcher turns into messages and exit codes.
struct ToolCommand {
    std::string_view name;
    std::string_view summary;
    std::string_view help;  // the full --help text
    int (*run)(const std::vector<std::string>& words);
};

}  // namespace tarn::tool
