#include "analysis/gridding/NumberText.h"

#include <charconv>
#include <cmath>
#include <fstream>

namespace tarn::gridding {

NumberScanner::Result NumberScanner::next(double& value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
    while (at_ < text_.size() && blank(text_[at_]))
        ++at_;
    if (at_ == text_.size())
        return Result::End;
    // from_chars takes no leading plus sign.
    const std::size_t start = text_[at_] == '+' ? at_ + 1 : at_;
    const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + text_.size(), value);
    const auto stop = static_cast<std::size_t>(end - text_.data());
    if (error != std::errc{} || !std::isfinite(value) || (stop < text_.size() && !blank(text_[stop])))
        return Result::NotANumber;
    at_ = stop;
    return Result::Number;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path, std::size_t largest)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > largest)
        return std::nullopt;
    std::ifstream stream(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!stream || !stream.read(text.data(), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return text;
}

void AppendFixed(std::string& out, double value, int width, int decimals)
{
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    const std::size_t length = error == std::errc{} ? static_cast<std::size_t>(end - digits) : 0;
    if (length < static_cast<std::size_t>(width))
        out.append(static_cast<std::size_t>(width) - length, ' ');
    out.append(digits, length);
}

}  // namespace tarn::gridding
