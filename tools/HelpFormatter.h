#pragma once

#include <CLI/CLI.hpp>

namespace tarn::tool {

// tarntool's help pages as CLI11 generates them, opening with the usage
// line: "usage: tarntool new [OPTIONS] OUT.lem", then the command's summary,
// its arguments and options, and its longer description last.
class THelpFormatter : public CLI::Formatter {
public:
    THelpFormatter();
    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
};

}  // namespace tarn::tool
