#include "exchange/FormatRegistry.h"
#include "exchange/GdalRasterFormat.h"
#include "tools/Command.h"
#include "tools/FormatNames.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace tarn::tool {

namespace {

std::vector<std::string> NamesWhere(bool (*wanted)(const TFormatDescription&))
{
    std::vector<std::string> names;
    for (const auto* format : AllFormats())
        if (wanted(format->Description()))
            names.emplace_back(format->Description().name);
    return names;
}

int RunFormats()
{
    std::printf("%-10s %-5s %-5s %-11s %s\n", "FORMAT", "READ", "WRITE", "EXTENSIONS", "TITLE");
    for (const auto* format : AllFormats()) {
        const auto& d = format->Description();
        std::string extensions;
        for (const auto extension : d.extensions)
            extensions += (extensions.empty() ? "." : " .") + std::string(extension);
        std::printf("%-10.*s %-5s %-5s %-11s %.*s\n", static_cast<int>(d.name.size()), d.name.data(),
                    d.canRead ? "yes" : "-", d.canWrite ? "yes" : "-", extensions.c_str(),
                    static_cast<int>(d.title.size()), d.title.data());
    }
    std::printf("\nThe installed GDAL reads these raster formats (import gdal):\n");
    for (const auto& reader : GdalRasterReaders())
        std::printf("  %s\n", reader.c_str());
    return kExitSuccess;
}

}  // namespace

std::vector<std::string> ReadableFormatNames()
{
    return NamesWhere([](const TFormatDescription& d) { return d.canRead; });
}

std::vector<std::string> WritableFormatNames()
{
    return NamesWhere([](const TFormatDescription& d) { return d.canWrite; });
}

TCommand AddFormatsCommand(CLI::App& tool)
{
    auto* command = tool.add_subcommand("formats", "list the foreign formats import and export know");
    command->footer("One line per format: the name import and export take, whether it can be read\n"
                    "and written, its file extensions and its title; then the raster formats the\n"
                    "installed GDAL reads, which import gdal takes.");
    return {command, [] { return RunFormats(); }};
}

}  // namespace tarn::tool
