#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Reads one line of an actor file token by token. NextToken(stop) returns
// the text from the current position up to the next `stop` character and
// goes on after it; when `stop` does not occur it returns the rest of the
// line and the line is used up. Asking a used-up line for more records
// msg::ParseError in the message list and yields "".
class TLineScanner {
public:
    TLineScanner(std::string_view line, std::vector<std::string>& messages) : line_(line), messages_(messages) {}

    std::string NextToken(char stop);
    // Whatever is left of the line (used up afterwards).
    std::string Rest();

private:
    std::string line_;
    std::size_t position_ = 0;
    bool usedUp_ = false;
    std::vector<std::string>& messages_;
};

// The number a token starts with: blanks first are allowed, then an
// optional sign, digits with an optional fraction and exponent. A token
// without one reads as 0.
double ReadReal(std::string_view token);

}  // namespace tarn
