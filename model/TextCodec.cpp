#include "model/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarn {

namespace {

// Characters of the bytes 0x80..0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CharacterOf(std::uint8_t byte)
{
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ByteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (found != kHighControls.end())
        return static_cast<char>(0x80 + (found - kHighControls.begin()));
    if (c >= 0x80 && c < 0xA0 && kHighControls[c - 0x80] == 0)  // the undefined bytes
        return static_cast<char>(c);
    return '?';
}

// Decodes one UTF-8 sequence at `at`, advancing it; U+FFFD for a malformed one.
char32_t NextCharacter(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<std::uint8_t>(text[at++]);
    int trailing = 0;
    char32_t c = 0;
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0) {
        trailing = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        trailing = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        trailing = 3;
        c = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < trailing; ++i) {
        if (at >= text.size() || (static_cast<std::uint8_t>(text[at]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<std::uint8_t>(text[at++]) & 0x3F);
    }
    return c;
}

}  // namespace

std::string WindowsWesternToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AppendUtf8(out, CharacterOf(static_cast<std::uint8_t>(byte)));
    return out;
}

std::string Utf8ToWindowsWestern(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();)
        out += ByteOf(NextCharacter(utf8, at));
    return out;
}

}  // namespace tarn
