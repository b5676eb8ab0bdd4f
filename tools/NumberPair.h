#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace CLI {
class Validator;
}

namespace tarn::tool {

// Two numbers joined by one of the separator characters, as "500x400" or
// "1000.5,2000"; nothing when the text is anything else.
template <typename Number>
std::optional<std::pair<Number, Number>> ParseNumberPair(std::string_view text, std::string_view separators)
{
    const auto at = text.find_first_of(separators);
    if (at == std::string_view::npos)
        return std::nullopt;
    Number first = 0;
    Number second = 0;
    const char* middle = text.data() + at;
    const char* end = text.data() + text.size();
    const auto a = std::from_chars(text.data(), middle, first);
    const auto b = std::from_chars(middle + 1, end, second);
    if (a.ec != std::errc() || a.ptr != middle || b.ec != std::errc() || b.ptr != end)
        return std::nullopt;
    return std::pair{first, second};
}

struct TNumberPair {
    long long first = 0;
    long long second = 0;
};

// Two whole numbers joined by `separator`, as in "640x480", "3/10" or "0-9".
std::optional<TNumberPair> ParseNumberPair(std::string_view text, char separator);

// Accepts a number pair of the given form whose numbers lie in lowest..highest.
CLI::Validator NumberPairIn(char separator, const std::string& form, long long lowest, long long highest);

}  // namespace tarn::tool
