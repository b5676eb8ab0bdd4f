#include "exchange/TextScanner.h"

#include "model/ParseNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tarn {

namespace {

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

constexpr long long kSaturation = 1'000'000'000'000'000LL;

}  // namespace

int TTextScanner::Peek() const
{
    const auto c = buffer_->sgetc();
    return std::char_traits<char>::eq_int_type(c, std::char_traits<char>::eof())
               ? kEnd
               : static_cast<unsigned char>(std::char_traits<char>::to_char_type(c));
}

int TTextScanner::Get()
{
    const int c = Peek();
    if (c != kEnd) {
        buffer_->sbumpc();
        ++position_;
    }
    return c;
}

void TTextScanner::SkipSpace()
{
    while (IsSpace(Peek()))
        Get();
}

std::size_t TTextScanner::Skip(std::size_t count)
{
    std::size_t skipped = 0;
    while (skipped < count && Get() != kEnd)
        ++skipped;
    return skipped;
}

std::string TTextScanner::Take(std::size_t count)
{
    std::string text;
    for (int c; text.size() < count && (c = Get()) != kEnd;)
        text.push_back(static_cast<char>(c));
    return text;
}

bool TTextScanner::ReadLine(std::string& line, std::size_t maxLength)
{
    line.clear();
    if (AtEnd())
        return false;
    for (int c; (c = Get()) != kEnd;) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (Peek() == '\n')
                Get();
            break;
        }
        if (line.size() < maxLength)
            line.push_back(static_cast<char>(c));
    }
    return true;
}

std::string TTextScanner::ReadWord(std::size_t maxLength)
{
    SkipSpace();
    std::string word;
    while (Peek() != kEnd && !IsSpace(Peek())) {
        const int c = Get();
        if (word.size() < maxLength)
            word.push_back(static_cast<char>(c));
    }
    return word;
}

std::optional<long long> TTextScanner::ReadInteger()
{
    SkipSpace();
    const int first = Peek();
    bool negative = false;
    if (first == '-' || first == '+') {
        // A sign alone is no number; it is consumed all the same, as a
        // stream reader would.
        negative = Get() == '-';
        if (!IsDigit(Peek()))
            return std::nullopt;
    } else if (!IsDigit(first)) {
        return std::nullopt;
    }
    long long value = 0;
    while (IsDigit(Peek()))
        value = std::min(value * 10 + (Get() - '0'), kSaturation);
    return negative ? -value : value;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<long long> ParseTrimmedInteger(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return ParseInteger(text);
}

std::optional<double> ParseReal(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    char digits[64];
    std::size_t length = 0;
    for (const char c : text)
        digits[length++] = (c == 'D' || c == 'd') ? 'E' : c;
    const char* begin = digits;
    if (*begin == '+')
        ++begin;
    double value = 0;
    const auto [end, error] = std::from_chars(begin, digits + length, value);
    if (error != std::errc{} || end != digits + length || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace tarn
