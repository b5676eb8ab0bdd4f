#pragma once

namespace tarn::tool {

// The file name of the complete tarntool, which the light one runs for every
// command it does not hold. It lies in the light program's own folder.
inline constexpr const char* kCompleteProgram = "tarntool-all";

// Runs tarntool in a program that links neither the geospatial library,
// OpenGL nor Qt, so that it starts at once. Runs the commands that need none
// of them itself; for any other command line (another command, none, help,
// an unknown word) the process is replaced by the complete program with the
// same words, so that what it prints and returns stays the same. Returns the
// exit code.
int RunLightTarntool(int argc, char** argv);

}  // namespace tarn::tool
