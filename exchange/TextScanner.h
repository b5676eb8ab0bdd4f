#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// Reads a text file from a stream's buffer in large chunks, for the readers
// of the text formats. Nothing it reads can grow without bound: lines and
// words are cut at the length the caller allows. It reads ahead of what it
// hands out, so the stream is not meant to be read past it afterwards.
class TTextScanner {
public:
    explicit TTextScanner(std::istream& in) : source_(in.rdbuf()) {}
    explicit TTextScanner(std::streambuf& buffer) : source_(&buffer) {}

    static constexpr int kEnd = -1;

    int Peek() { return at_ < end_ || Fill() ? static_cast<unsigned char>(*at_) : kEnd; }
    int Get()
    {
        const int c = Peek();
        at_ += c != kEnd ? 1 : 0;
        return c;
    }
    bool AtEnd() { return Peek() == kEnd; }
    // Characters consumed so far.
    long long Position() const { return consumedBefore_ + (at_ - begin_); }

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
    static constexpr std::size_t kChunk = 64 * 1024;

    // Reads the next chunk; false at the end of the stream.
    bool Fill();
    // Appends the characters before the first one `stop` accepts, up to
    // what `text` may hold; true when it reached such a character.
    template <typename Stop>
    bool AppendUntil(std::string& text, std::size_t maxLength, Stop stop);

    std::streambuf* source_;
    std::string chunk_;
    const char* begin_ = nullptr;
    const char* at_ = nullptr;
    const char* end_ = nullptr;
    long long consumedBefore_ = 0;
};

// A real number filling the whole text but for blanks around it, with "D" or
// "d" accepted as the exponent mark (as Fortran writes it); only finite values.
std::optional<double> ParseReal(std::string_view text);
// A decimal integer filling the whole text but for blanks around it.
std::optional<long long> ParseTrimmedInteger(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

}  // namespace tarn
