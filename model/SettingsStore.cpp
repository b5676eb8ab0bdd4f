#include "model/SettingsStore.h"

#include "model/ParseNumber.h"

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
    return text ? ParseInteger(*text) : std::nullopt;
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
