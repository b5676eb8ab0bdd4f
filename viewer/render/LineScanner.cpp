#include "viewer/render/LineScanner.h"
#include "viewer/render/RenderMessages.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace tarn {

std::string TLineScanner::NextToken(char stop)
{
    if (usedUp_) {
        messages_.emplace_back(msg::ParseError);
        return {};
    }
    const std::size_t found = line_.find(stop, position_);
    if (found == std::string::npos)
        return Rest();
    std::string token = line_.substr(position_, found - position_);
    position_ = found + 1;
    return token;
}

std::string TLineScanner::Rest()
{
    if (usedUp_) {
        messages_.emplace_back(msg::ParseError);
        return {};
    }
    usedUp_ = true;
    return line_.substr(position_);
}

double ReadReal(std::string_view token)
{
    std::size_t i = 0;
    while (i < token.size() && token[i] == ' ')
        ++i;
    const std::size_t start = i;
    const auto digitsFrom = [&](std::size_t at) {
        while (at < token.size() && std::isdigit(static_cast<unsigned char>(token[at])))
            ++at;
        return at;
    };
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    const std::size_t intStart = i;
    i = digitsFrom(i);
    bool digits = i > intStart;
    if (i < token.size() && token[i] == '.') {
        const std::size_t fracEnd = digitsFrom(i + 1);
        digits = digits || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!digits)
        return 0;
    bool negativeExponent = false;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        std::size_t e = i + 1;
        negativeExponent = e < token.size() && token[e] == '-';
        if (e < token.size() && (token[e] == '+' || token[e] == '-'))
            ++e;
        const std::size_t expEnd = digitsFrom(e);
        if (expEnd > e)
            i = expEnd;
    }
    // from_chars takes no leading '+'.
    std::size_t from = start;
    if (token[from] == '+')
        ++from;
    double value = 0;
    const auto result = std::from_chars(token.data() + from, token.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (negativeExponent)
            return 0;
        return token[start] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

}  // namespace tarn
