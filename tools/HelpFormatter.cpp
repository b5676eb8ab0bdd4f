#include "tools/HelpFormatter.h"

namespace tarn::tool {

THelpFormatter::THelpFormatter()
{
    label("Usage", "usage");
    label("SUBCOMMAND", "COMMAND");
    label("Positionals", "Arguments");
}

std::string THelpFormatter::make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const
{
    if (mode == CLI::AppFormatMode::Sub)
        return make_expanded(app);
    return make_usage(app, name) + "\n" + make_description(app) + make_positionals(app) + make_groups(app, mode) +
           make_subcommands(app, mode) + "\n" + make_footer(app);
}

}  // namespace tarn::tool
