#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace tarn {

// The whole text as a decimal integer, or nothing when any of it is not one.
inline std::optional<long long> ParseInteger(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace tarn
