#include "model/SettingsStore.h"

#include <charconv>

namespace tarn {

std::string MemorySettingsStore::Key(std::string_view keyPath, std::string_view section, std::string_view name)
{
    std::string key(keyPath);
    key.append("\n").append(section).append("\n").append(name);
    return key;
}

std::optional<std::string> MemorySettingsStore::ReadText(std::string_view keyPath, std::string_view section,
                                                         std::string_view name) const
{
    const auto found = values_.find(Key(keyPath, section, name));
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

std::optional<long long> MemorySettingsStore::ReadInteger(std::string_view keyPath, std::string_view section,
                                                          std::string_view name) const
{
    const auto text = ReadText(keyPath, section, name);
    if (!text)
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc{} || end != text->data() + text->size())
        return std::nullopt;
    return value;
}

void MemorySettingsStore::WriteText(std::string_view keyPath, std::string_view section, std::string_view name,
                                    std::string_view value)
{
    values_[Key(keyPath, section, name)] = std::string(value);
}

void MemorySettingsStore::WriteInteger(std::string_view keyPath, std::string_view section, std::string_view name,
                                       long long value)
{
    WriteText(keyPath, section, name, std::to_string(value));
}

}  // namespace tarn
