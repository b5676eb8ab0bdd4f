#include "tools/MapCommands.h"

#include "model/Errors.h"
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/SettingsStore.h"
#include "model/TerrainSlots.h"
#include "platform/settings/QtSettingsStore.h"
#include "tools/CommandLine.h"
#include "tools/HeaderJson.h"
#include "tools/TerminalProgress.h"

#include <cstdio>

namespace tarn::tool {

namespace {

void LoadOrRefuse(const std::string& path, TNet& net)
{
    TerminalProgress progress;
    if (!LoadLemFile(path, net, progress))
        throw ETarnError("Load aborted");
}

MapUnits ParseUnits(const std::string& text)
{
    if (text == "imperial")
        return MapUnits::Imperial;
    if (text == "metric")
        return MapUnits::Metric;
    if (text == "micrometric")
        return MapUnits::MicroMetric;
    throw UsageError("--units must be imperial, metric or micrometric, not \"" + text + "\"");
}

int RunNew(const std::vector<std::string>& words)
{
    const CommandLine args(words, {"units", "columns", "rows", "spacing"});
    args.requirePositional(1);
    TNewMapParameters parameters;
    parameters.units = ParseUnits(args.option("units").value_or("metric"));
    parameters.columns = static_cast<int>(args.integerOption("columns"));
    parameters.rows = static_cast<int>(args.integerOption("rows"));
    parameters.spacing = args.realOption("spacing");

    const QtSettingsStore settings;
    TNet net;
    CreateMap(net, parameters, ReadTerrainDefaults(settings));
    SaveLemFile(args.positional()[0], net);
    return kExitSuccess;
}

int RunInfo(const std::vector<std::string>& words)
{
    const CommandLine args(words, {});
    args.requirePositional(1);
    TNet net;
    LoadOrRefuse(args.positional()[0], net);
    std::fputs(MapInfoJson(net).c_str(), stdout);
    return kExitSuccess;
}

int RunCopy(const std::vector<std::string>& words)
{
    const CommandLine args(words, {});
    args.requirePositional(2);
    TNet net;
    LoadOrRefuse(args.positional()[0], net);
    SaveLemFile(args.positional()[1], net);
    return kExitSuccess;
}

int RunCheck(const std::vector<std::string>& words)
{
    const CommandLine args(words, {});
    args.requirePositional(1);
    TNet net;
    LoadOrRefuse(args.positional()[0], net);
    std::printf("%s: valid LEM file, %d x %d nodes\n", args.positional()[0].c_str(), net.MapHeader.Columns,
                net.MapHeader.Rows);
    return kExitSuccess;
}

}  // namespace

const ToolCommand kNewCommand{
    "new", "make an empty map of null heights",
    "usage: tarntool new [--units imperial|metric|micrometric] --columns N --rows N --spacing S OUT.lem\n"
    "\n"
    "Makes a map of N x N grid points S feet (imperial) or metres apart, every height\n"
    "null, with the new-map scene settings and the terrain palette saved as defaults\n"
    "by the editor. The grid must have 400 to 250000 points. --units defaults to metric.\n",
    RunNew};

const ToolCommand kInfoCommand{
    "info", "print a map's header fields, counts and height range as JSON",
    "usage: tarntool info FILE.lem\n"
    "\n"
    "Loads the map and prints every named header field, the node, square, overlay\n"
    "and label counts and the range of the heights that are not null, as JSON.\n",
    RunInfo};

const ToolCommand kCopyCommand{
    "copy", "load a map and save it again",
    "usage: tarntool copy IN.lem OUT.lem\n"
    "\n"
    "Loads IN.lem and saves it as OUT.lem. The copy of a valid file is identical\n"
    "byte for byte. OUT.lem is replaced only once the new file is safely written.\n",
    RunCopy};

const ToolCommand kCheckCommand{
    "check", "tell whether a file is a valid map",
    "usage: tarntool check FILE.lem\n"
    "\n"
    "Exits with 0 when the file loads as a map, and with 1 and the coded message\n"
    "telling why when it is refused.\n",
    RunCheck};

}  // namespace tarn::tool
