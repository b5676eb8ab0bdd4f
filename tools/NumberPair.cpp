#include "tools/NumberPair.h"

#include "model/ParseNumber.h"

#include <CLI/CLI.hpp>

namespace tarn::tool {

std::optional<TNumberPair> ParseNumberPair(std::string_view text, char separator)
{
    const auto at = text.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto first = ParseInteger(text.substr(0, at));
    const auto second = ParseInteger(text.substr(at + 1));
    if (!first || !second)
        return std::nullopt;
    return TNumberPair{*first, *second};
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
