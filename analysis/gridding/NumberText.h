#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarn::gridding {

// Reads white-space separated decimal numbers from a text, in the "C"
// notation whatever the program's locale.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    enum class Result { Number, End, NotANumber };
    Result next(double& value);

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// The whole file, or nothing when it cannot be read or is larger than
// `largest` bytes.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path, std::size_t largest);

// Appends the value with `decimals` decimals, right-aligned in `width`
// characters, in the "C" notation.
void AppendFixed(std::string& out, double value, int width, int decimals);

}  // namespace tarn::gridding
