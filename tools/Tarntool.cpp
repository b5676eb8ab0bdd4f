#include "tools/Tarntool.h"

#include "tools/Command.h"
#include "tools/CommandLine.h"

namespace tarn::tool {

namespace {

// Every command, in the order the overview lists them.
constexpr AddCommand kCommands[] = {
    &AddNewCommand,    &AddInfoCommand,   &AddCopyCommand,    &AddCheckCommand,
    &AddImportCommand, &AddExportCommand, &AddFormatsCommand, &AddInterpolateCommand,
    &AddFractalCommand, &AddSampleCommand,
#ifdef TARNTOOL_RENDER
    &AddRenderCommand, &AddAnimateCommand, &AddPanoramaCommand,
#endif
};

}  // namespace

int RunTarntool(const std::vector<std::string>& arguments) { return RunCommandLine(arguments, kCommands); }

}  // namespace tarn::tool
