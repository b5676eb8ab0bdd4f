#include "model/IniText.h"

#include "model/ParseNumber.h"

#include <algorithm>

namespace tarn {

namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Section and key names are told apart without regard to case, as on the
// system these files come from.
bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

IniText IniText::Parse(std::string_view text)
{
    IniText ini;
    Section* current = nullptr;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &ini.SectionNamed(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const auto equals = line.find('=');
        if (current && equals != std::string_view::npos)
            current->second.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return ini;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const
{
    for (const auto& [name, entries] : sections_) {
        if (!SameName(name, section))
            continue;
        for (const auto& [entryKey, value] : entries)
            if (SameName(entryKey, key))
                return value;
    }
    return std::nullopt;
}

std::optional<long long> IniText::Integer(std::string_view section, std::string_view key) const
{
    const auto text = Value(section, key);
    return text ? ParseInteger(*text) : std::nullopt;
}

IniText::Section& IniText::SectionNamed(std::string_view name)
{
    for (auto& section : sections_)
        if (SameName(section.first, name))
            return section;
    sections_.emplace_back(std::string(name), std::vector<std::pair<std::string, std::string>>{});
    return sections_.back();
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    auto& entries = SectionNamed(section).second;
    for (auto& [entryKey, entryValue] : entries)
        if (SameName(entryKey, key)) {
            entryValue = value;
            return;
        }
    entries.emplace_back(key, value);
}

std::string IniText::Format() const
{
    std::string text;
    for (const auto& [name, entries] : sections_) {
        if (!text.empty())
            text += '\n';
        text += '[' + name + "]\n";
        for (const auto& [key, value] : entries)
            text += key + '=' + value + '\n';
    }
    return text;
}

// Section and key names are told apart without regard to case, as on the
// system these files come from.
bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace tarn
