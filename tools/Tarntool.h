#pragma once

#include <string>
#include <vector>

namespace tarn::tool {

// Runs tarntool on the words after the program's name: runs the command they
// name and returns its exit code. Results go to standard output; messages,
// and the help of a command line that cannot be understood, to standard error.
int RunTarntool(const std::vector<std::string>& arguments);

}  // namespace tarn::tool
