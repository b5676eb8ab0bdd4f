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

bool TTextScanner::Fill()
{
    consumedBefore_ = Position();
    chunk_.resize(kChunk);
    const auto got = source_->sgetn(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    chunk_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    begin_ = at_ = chunk_.data();
    end_ = at_ + chunk_.size();
    return at_ < end_;
}

template <typename Stop>
bool TTextScanner::AppendUntil(std::string& text, std::size_t maxLength, Stop stop)
{
    while (Peek() != kEnd) {
        const char* found = std::find_if(at_, end_, stop);
        const auto room = maxLength - std::min(maxLength, text.size());
        text.append(at_, std::min(static_cast<std::size_t>(found - at_), room));
        at_ = found;
        if (found != end_)
            return true;
    }
    return false;
}

void TTextScanner::SkipSpace()
{
    while (IsSpace(Peek()))
        ++at_;
}

std::size_t TTextScanner::Skip(std::size_t count)
{
    std::size_t skipped = 0;
    while (skipped < count && Peek() != kEnd) {
        const auto step = std::min(count - skipped, static_cast<std::size_t>(end_ - at_));
        at_ += step;
        skipped += step;
    }
    return skipped;
}

std::string TTextScanner::Take(std::size_t count)
{
    std::string text;
    while (text.size() < count && Peek() != kEnd) {
        const auto step = std::min(count - text.size(), static_cast<std::size_t>(end_ - at_));
        text.append(at_, step);
        at_ += step;
    }
    return text;
}

bool TTextScanner::ReadLine(std::string& line, std::size_t maxLength)
{
    line.clear();
    if (AtEnd())
        return false;
    if (AppendUntil(line, maxLength, [](char c) { return c == '\n' || c == '\r'; }) && Get() == '\r' && Peek() == '\n')
        Get();
    return true;
}

std::string TTextScanner::ReadWord(std::size_t maxLength)
{
    SkipSpace();
    std::string word;
    AppendUntil(word, maxLength, [](char c) { return IsSpace(static_cast<unsigned char>(c)); });
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
    for (int c; IsDigit(c = Peek()); ++at_)
        value = std::min(value * 10 + (c - '0'), kSaturation);
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
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    // Fortran's exponent mark becomes the one from_chars knows.
    char copy[64];
    const auto mark = text.find_first_of("Dd");
    if (mark != std::string_view::npos) {
        std::copy(text.begin(), text.end(), copy);
        copy[mark] = 'E';
        text = std::string_view(copy, text.size());
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace tarn
