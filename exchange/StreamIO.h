#pragma once

#include <cstdint>
#include <iosfwd>
#include <streambuf>
#include <span>
#include <string_view>
#include <vector>

namespace tarn {

// A read-only stream buffer over bytes held in memory.
class TByteStreamBuffer final : public std::streambuf {
public:
    explicit TByteStreamBuffer(std::span<const std::uint8_t> bytes)
    {
        char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
        setg(begin, begin, begin + bytes.size());
    }
};

// Text files are written with carriage return and line feed.
inline constexpr std::string_view kLineEnd = "\r\n";

// The bytes left in the stream, or -1 when the stream cannot tell; the
// stream is left where it was.
long long RemainingBytes(std::istream& in);

// Every byte left in the stream. Throws EInvalidData with `tooLongMessage`
// when there are more than maxBytes, before reading them.
std::vector<std::uint8_t> ReadAllBytes(std::istream& in, std::size_t maxBytes, const char* tooLongMessage);

// Writes the bytes; throws ETarnError msg::ErrorWritingExport when the
// stream refuses them.
void WriteOrThrow(std::ostream& out, std::string_view text);
void WriteOrThrow(std::ostream& out, std::span<const std::uint8_t> bytes);

}  // namespace tarn
