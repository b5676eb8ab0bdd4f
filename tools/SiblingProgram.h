#pragma once

namespace tarn::tool {

// Replaces this process with the program of the given file name in this
// program's own folder, handing it the same words (argv, ending in a null
// pointer). Returns only when that program cannot be run: then it says which
// and why on standard error and returns the usage-error exit code.
int ReplaceWithSibling(const char* fileName, char** argv);

}  // namespace tarn::tool
