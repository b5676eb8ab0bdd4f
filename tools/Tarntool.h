#pragma once

#include <string>
#include <vector>

namespace tarn::tool {

// Runs the complete tarntool, every command of it, on the words after the
// program's name (see RunCommandLine).
int RunTarntool(const std::vector<std::string>& arguments);

}  // namespace tarn::tool
