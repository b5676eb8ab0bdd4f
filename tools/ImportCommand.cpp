#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "platform/settings/QtSettingsStore.h"
#include "tools/Command.h"
#include "tools/FormatNames.h"
#include "tools/LoadMap.h"
#include "tools/NumberPair.h"
#include "tools/TerminalProgress.h"
#include "tools/UnitNames.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarn::tool {

namespace {

const std::map<std::string, RasterResampling> kResamplings{
    {"average", RasterResampling::Average}, {"bilinear", RasterResampling::Bilinear}, {"nearest", RasterResampling::Nearest}};

const std::map<std::string, ChannelOrder> kOrders{{"rgb", ChannelOrder::RGB}, {"rbg", ChannelOrder::RBG},
                                                  {"gbr", ChannelOrder::GBR}, {"grb", ChannelOrder::GRB},
                                                  {"brg", ChannelOrder::BRG}, {"bgr", ChannelOrder::BGR}};

struct TImportOptions {
    std::string format;
    std::string input;
    std::string output;
    std::string into;
    TImportParameters parameters;
    bool sampleGiven = false;
    bool noOverwrite = false;
    bool noNullDefault = false;
    bool autoSize = false;
    bool load = false;
    std::string order = "rgb";
    std::string units = "metric";
    double spacing = 30;
    std::string gridSize;
    std::string resampling = "average";
};

// "COLSxROWS" as two numbers; nothing for any other text.
std::optional<std::pair<int, int>> ParseGridSize(const std::string& text)
{
    return ParseNumberPair<int>(text, "xX");
}

// The map the editor starts with.
void StartUpMap(TNet& net, const TTerrainPalette& palette)
{
    CreateMap(net, {MapUnits::Metric, 51, 51, 10}, palette);
}

int RunImport(TImportOptions options)
{
    const TFormatDriver& format = *FindFormat(options.format);
    const ImportTarget target = format.Description().target;
    if (target == ImportTarget::NewMap && !options.into.empty()) {
        std::fprintf(stderr, "tarntool import: %s makes a new map; --into does not apply\n", options.format.c_str());
        return kExitUsage;
    }
    auto& parameters = options.parameters;
    auto& digital = parameters.digital;
    if (!options.sampleGiven)
        digital.sample = format.Description().defaultSample;
    digital.overwrite = !options.noOverwrite;
    digital.nullDefault = !options.noNullDefault;
    digital.autoSize = options.autoSize || (!options.load && options.into.empty());
    parameters.picture.order = kOrders.at(options.order);
    parameters.picture.spacing = options.spacing;
    parameters.greymap.units = UnitNames().at(options.units);
    parameters.greymap.spacing = options.spacing;
    parameters.raster.units = parameters.greymap.units;
    parameters.raster.resampling = kResamplings.at(options.resampling);
    if (!options.gridSize.empty()) {
        const auto size = ParseGridSize(options.gridSize);
        parameters.raster.columns = size->first;
        parameters.raster.rows = size->second;
    }
    const QtSettingsStore settings;
    parameters.palette = ReadTerrainDefaults(settings);
    CheckImportParameters(parameters);

    TNet net;
    if (!options.into.empty())
        LoadMapOrRefuse(options.into, net);
    else
        StartUpMap(net, parameters.palette);
    TerminalProgress progress;
    std::vector<std::string> warnings;
    const ImportOutcome outcome = ImportFile(format, options.input, net, parameters, progress, warnings);
    for (const auto& warning : warnings)
        std::fprintf(stderr, "tarntool import: warning: %s\n", warning.c_str());
    if (outcome == ImportOutcome::NothingStored) {
        std::fprintf(stderr, "tarntool import: no height of %s landed in the map; nothing written\n",
                     options.input.c_str());
        return kExitRefused;
    }
    SaveLemFile(options.output, net);
    return kExitSuccess;
}

}  // namespace

TCommand AddImportCommand(CLI::App& tool)
{
    auto options = std::make_shared<TImportOptions>();
    auto& digital = options->parameters.digital;
    auto* command = tool.add_subcommand("import", "read heights from a foreign format into a map");
    command->footer(
        "Reads IN as the editor's Import does and saves the map as OUT.lem.\n"
        "Pictures (bmp) and greymaps (pgm) make a new map of their size, Vistapro files a\n"
        "Metric 258 x 258 map of spacing 30. NTF tiles and\n"
        "x,y,z lists make a new map sized to the data, or with --load or --into load into\n"
        "a map; ascii and usgs-dem always load into one. That map is MAP.lem with --into,\n"
        "else the Metric 51 x 51 map of spacing 10 the editor starts with. Loading clears\n"
        "the map to null (or --default-height with --no-null-default) unless\n"
        "--no-overwrite; usgs-dem always clears to --default-height. 'tarntool formats'\n"
        "lists the formats.\n"
        "gdal reads any single-band raster GDAL reads into a new map: node for node when\n"
        "it fits the 250000 nodes a map holds, else the largest grid that keeps the\n"
        "ground's shape (or --size, or one node per --step pixels), resampled by GDAL.");
    command->add_option("FORMAT", options->format, "the format to read")
        ->required()
        ->check(CLI::IsMember(ReadableFormatNames()));
    command->add_option("IN", options->input, "the file to read")->required()->check(CLI::ExistingFile);
    command->add_option("-o,--output", options->output, "the map file to write")->required()->option_text("OUT.lem");
    auto* into = command->add_option("--into", options->into, "load into this map")->option_text("MAP.lem");
    const auto range = CLI::Range(0, TDigitalImportOptions::kMaxOffset);
    command->add_option("--x-offset", digital.xOffset, "skip file columns up to this one")->check(range);
    command->add_option("--y-offset", digital.yOffset, "skip file rows up to this one")->check(range);
    command->add_option("--origin-x", digital.originX, "map column where loaded data starts (0 the first)")->check(range);
    command->add_option("--origin-y", digital.originY, "map row, from the south, where loaded data starts")->check(range);
    command->add_option("--sample", digital.sample, "keep every Nth value (NTF: 4 unless given, else 1)")
        ->check(CLI::Range(1, TDigitalImportOptions::kMaxSample))
        ->option_text("N")
        ->each([options](const std::string&) { options->sampleGiven = true; });
    command->add_option("--default-height", digital.defaultHeight, "the height a cleared map gets");
    command->add_flag("--no-overwrite", options->noOverwrite, "load over the map without clearing it");
    command->add_flag("--no-null-default", options->noNullDefault, "clear to --default-height, not to null");
    auto* autoSize = command->add_flag("--auto-size", options->autoSize, "make a new map sized to the data (the default)");
    auto* load = command->add_flag("--load", options->load, "load into the map (--into, or the start-up map)");
    autoSize->excludes(load)->excludes(into);
    command->add_option("--order", options->order, "bmp: the channels from most to least significant")
        ->check(CLI::IsMember(kOrders))
        ->option_text("rgb|rbg|gbr|grb|brg|bgr");
    command->add_option("--max-height", options->parameters.picture.maxHeight, "bmp: the height of black (1000)")
        ->check(CLI::Range(TPictureImportOptions::kMinMaxHeight, TPictureImportOptions::kMaxMaxHeight));
    command->add_option("--spacing", options->spacing, "bmp, pgm: metres (or feet) between nodes (30)");
    command->add_option("--units", options->units, "pgm, gdal: the new map's unit system (metric)")
        ->check(CLI::IsMember(UnitNames()))
        ->option_text(kUnitChoices);
    command->add_option("--band", options->parameters.raster.band, "gdal: the band to read (1 the first)")
        ->check(CLI::PositiveNumber);
    auto* size = command->add_option("--size", options->gridSize, "gdal: the map's grid")
                     ->option_text("COLSxROWS")
                     ->check([](const std::string& text) {
                         return ParseGridSize(text) ? std::string() : std::string("expected COLSxROWS, as 500x400");
                     });
    command->add_option("--step", options->parameters.raster.step, "gdal: one node for every N by N pixels")
        ->check(CLI::PositiveNumber)
        ->option_text("N")
        ->excludes(size);
    command->add_option("--resample", options->resampling, "gdal: how pixels become nodes (average)")
        ->check(CLI::IsMember(kResamplings))
        ->option_text("average|bilinear|nearest");
    return {command, [options] { return RunImport(*options); }};
}

}  // namespace tarn::tool
