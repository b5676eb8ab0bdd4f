#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// Reads a text file character by character from a stream's buffer, for the
// readers of the text formats. Nothing it reads can grow without bound: lines
// and tokens are cut at the length the caller allows.
class TTextScanner {
public:
    explicit TTextScanner(std::istream& in) : buffer_(in.rdbuf()) {}
    explicit TTextScanner(std::streambuf& buffer) : buffer_(&buffer) {}

    static constexpr int kEnd = -1;

    int Peek() const;
    int Get();
    bool AtEnd() const { return Peek() == kEnd; }
    // Characters consumed so far.
    long long Position() const { return position_; }

    // Skips blanks, tabs and line ends.
    void SkipSpace();
    // Skips up to `count` characters; returns how many there were.
    std::size_t Skip(std::size_t count);
    // The next `count` characters, fewer at the end of the file.
    std::string Take(std::size_t count);

    // One line without its end (LF, CR LF or a lone CR). A longer line than
    // maxLength is cut and the rest of it skipped. False at the end of the
    // file.
    bool ReadLine(std::string& line, std::size_t maxLength);
    // After blanks and line ends, the characters up to the next blank or line
    // end, cut at maxLength. Empty at the end of the file.
    std::string ReadWord(std::size_t maxLength);

    // After blanks and line ends, an optionally signed decimal integer; it
    // stops at the first character that cannot continue it, so "12-7" reads
    // as 12 and then -7. Values beyond +-10^15 saturate. Nothing is consumed
    // but the blanks when no digit follows.
    std::optional<long long> ReadInteger();

private:
    std::streambuf* buffer_;
    long long position_ = 0;
};

// A real number filling the whole text but for blanks around it, with "D" or
// "d" accepted as the exponent mark (as Fortran writes it); only finite values.
std::optional<double> ParseReal(std::string_view text);
// A decimal integer filling the whole text but for blanks around it.
std::optional<long long> ParseTrimmedInteger(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

}  // namespace tarn
