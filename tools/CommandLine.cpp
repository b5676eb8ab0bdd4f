#include "tools/CommandLine.h"

#include "model/ParseNumber.h"

#include <algorithm>
#include <charconv>

namespace tarn::tool {

CommandLine::CommandLine(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flags)
{
    const auto declared = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            help_ = true;
        } else if (word.rfind("--", 0) == 0 && word.size() > 2) {
            const std::string name = word.substr(2);
            if (declared(flags, name)) {
                flags_[name] = true;
            } else if (declared(valueOptions, name)) {
                if (i + 1 >= words.size())
                    throw UsageError("option --" + name + " needs a value");
                options_[name] = words[++i];
            } else {
                throw UsageError("unknown option " + word);
            }
        } else {
            positional_.push_back(word);
        }
    }
}

void CommandLine::requirePositional(std::size_t count) const
{
    if (positional_.size() != count)
        throw UsageError("expected " + std::to_string(count) + " file name" + (count == 1 ? "" : "s") + ", got " +
                         std::to_string(positional_.size()));
}

std::optional<std::string> CommandLine::option(const std::string& name) const
{
    const auto found = options_.find(name);
    if (found == options_.end())
        return std::nullopt;
    return found->second;
}

std::string CommandLine::requireOption(const std::string& name) const
{
    auto value = option(name);
    if (!value)
        throw UsageError("option --" + name + " is required");
    return *value;
}

long long CommandLine::integerOption(const std::string& name) const
{
    const std::string text = requireOption(name);
    const auto value = ParseInteger(text);
    if (!value)
        throw UsageError("--" + name + " needs a whole number, not \"" + text + "\"");
    return *value;
}

double CommandLine::realOption(const std::string& name) const
{
    const std::string text = requireOption(name);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        throw UsageError("--" + name + " needs a number, not \"" + text + "\"");
    return value;
}

}  // namespace tarn::tool
