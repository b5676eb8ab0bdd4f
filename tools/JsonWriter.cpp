#include "tools/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarn::tool {

void JsonWriter::startItem(std::string_view key)
{
    if (!firstInScope_.empty()) {
        if (!firstInScope_.back())
            text_ += ',';
        firstInScope_.back() = false;
        text_ += '\n';
        text_.append(2 * firstInScope_.size(), ' ');
    }
    if (!key.empty())
        text_ += Quote(key) + ": ";
}

JsonWriter& JsonWriter::open(std::string_view key, char bracket)
{
    startItem(key);
    text_ += bracket;
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket)
{
    const bool empty = firstInScope_.back();
    firstInScope_.pop_back();
    if (!empty) {
        text_ += '\n';
        text_.append(2 * firstInScope_.size(), ' ');
    }
    text_ += bracket;
    if (firstInScope_.empty())
        text_ += '\n';
    return *this;
}

JsonWriter& JsonWriter::beginObject(std::string_view key) { return open(key, '{'); }
JsonWriter& JsonWriter::endObject() { return close('}'); }
JsonWriter& JsonWriter::beginArray(std::string_view key) { return open(key, '['); }
JsonWriter& JsonWriter::endArray() { return close(']'); }

JsonWriter& JsonWriter::value(std::string_view key, long long number)
{
    startItem(key);
    text_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view key, double number)
{
    startItem(key);
    if (!std::isfinite(number)) {
        text_ += "null";
        return *this;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    text_.append(buffer, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view key, std::string_view text)
{
    startItem(key);
    text_ += Quote(text);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view key, bool flag)
{
    startItem(key);
    text_ += flag ? "true" : "false";
    return *this;
}

std::string JsonWriter::Quote(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else if (byte >= 0x80) {
            // Map texts are 8-bit Windows text; show each byte as its Latin-1 character.
            quoted += static_cast<char>(0xC0 | (byte >> 6));
            quoted += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace tarn::tool
