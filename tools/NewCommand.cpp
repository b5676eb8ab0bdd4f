#include "model/MapFactory.h"
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "platform/settings/QtSettingsStore.h"
#include "tools/Command.h"
#include "tools/UnitNames.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace tarn::tool {

namespace {

struct TNewOptions {
    std::string units = "metric";
    TNewMapParameters map;
    std::string output;
};

int RunNew(TNewOptions options)
{
    options.map.units = UnitNames().at(options.units);
    const QtSettingsStore settings;
    TNet net;
    CreateMap(net, options.map, ReadTerrainDefaults(settings));
    SaveLemFile(options.output, net);
    return kExitSuccess;
}

}  // namespace

TCommand AddNewCommand(CLI::App& tool)
{
    auto options = std::make_shared<TNewOptions>();
    auto* command = tool.add_subcommand("new", "make an empty map of null heights");
    command->footer("Makes a map of N x N grid points S feet (imperial) or metres apart, every height\n"
                    "null, with the new-map scene settings and the terrain palette saved as defaults\n"
                    "by the editor. The grid must have 400 to 250000 points; the spacing must lie\n"
                    "between 1 and 9999 (0.1 and 999.9 for micrometric), and the map must be large\n"
                    "enough, and not too large or too long, for the header's grid fields.");
    command->add_option("--units", options->units, "the unit system (metric unless given)")
        ->check(CLI::IsMember(UnitNames()))
        ->option_text(kUnitChoices);
    command->add_option("--columns", options->map.columns, "grid points from west to east")
        ->required()
        ->option_text("N");
    command->add_option("--rows", options->map.rows, "grid points from north to south")->required()->option_text("N");
    command->add_option("--spacing", options->map.spacing, "feet or metres between neighbouring grid points")
        ->required()
        ->option_text("S");
    command->add_option("OUT.lem", options->output, "the map file to write")->required();
    return {command, [options] { return RunNew(*options); }};
}

}  // namespace tarn::tool
