#pragma once

#include "tools/Command.h"

#include <span>
#include <string>
#include <vector>

namespace tarn::tool {

// Runs tarntool with the given commands on the words after the program's
// name: runs the command they name and returns its exit code. Results go to
// standard output; messages, and the help of a command line that cannot be
// understood, to standard error. The commands are listed in the overview in
// the order given.
int RunCommandLine(const std::vector<std::string>& arguments, std::span<const AddCommand> commands);

// Whether the word is the name of one of the commands.
bool NamesCommand(std::span<const AddCommand> commands, const std::string& word);

}  // namespace tarn::tool
