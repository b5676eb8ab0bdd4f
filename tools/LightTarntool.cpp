#include "tools/LightTarntool.h"

#include "tools/Command.h"
#include "tools/CommandLine.h"
#include "tools/SiblingProgram.h"

#include <string>
#include <vector>

namespace tarn::tool {

namespace {

// The commands that need neither the geospatial library, OpenGL nor Qt.
constexpr AddCommand kLightCommands[] = {
    &AddInfoCommand, &AddCopyCommand, &AddCheckCommand, &AddInterpolateCommand, &AddFractalCommand, &AddSampleCommand,
};

}  // namespace

int RunLightTarntool(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && NamesCommand(kLightCommands, arguments.front()))
        return RunCommandLine(arguments, kLightCommands);
    return ReplaceWithSibling(kCompleteProgram, argv);
}

}  // namespace tarn::tool
