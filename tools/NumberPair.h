#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace CLI {
class Validator;
}

namespace tarn::tool {

struct TNumberPair {
    long long first = 0;
    long long second = 0;
};

// Two whole numbers joined by `separator`, as in "640x480", "3/10" or "0-9".
std::optional<TNumberPair> ParseNumberPair(std::string_view text, char separator);

// Accepts a number pair of the given form whose numbers lie in lowest..highest.
CLI::Validator NumberPairIn(char separator, const std::string& form, long long lowest, long long highest);

}  // namespace tarn::tool
