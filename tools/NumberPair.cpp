#include "tools/NumberPair.h"

#include <CLI/CLI.hpp>

namespace tarn::tool {

std::optional<TNumberPair> ParseNumberPair(std::string_view text, char separator)
{
    const auto pair = ParseNumberPair<long long>(text, std::string_view(&separator, 1));
    if (!pair)
        return std::nullopt;
    return TNumberPair{pair->first, pair->second};
}

CLI::Validator NumberPairIn(char separator, const std::string& form, long long lowest, long long highest)
{
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const auto pair = ParseNumberPair(text, separator);
            if (!pair)
                return "needs the form " + form + ", not \"" + text + "\"";
            if (pair->first < lowest || pair->second < lowest || pair->first > highest || pair->second > highest)
                return "needs numbers from " + std::to_string(lowest) + " to " + std::to_string(highest);
            return {};
        },
        form);
}

}  // namespace tarn::tool
