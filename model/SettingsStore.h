#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// The per-user settings store: texts and integers under a key path, a
// section and a value name. Missing values read as std::nullopt.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<std::string> ReadText(std::string_view keyPath, std::string_view section,
                                                std::string_view name) const = 0;
    virtual std::optional<long long> ReadInteger(std::string_view keyPath, std::string_view section,
                                                 std::string_view name) const = 0;
    virtual void WriteText(std::string_view keyPath, std::string_view section, std::string_view name,
                           std::string_view value) = 0;
    virtual void WriteInteger(std::string_view keyPath, std::string_view section, std::string_view name,
                              long long value) = 0;
};

// The key paths of the two programs.
inline constexpr std::string_view kEditorSettingsKey = "software\\Marrowind\\Tarnhollow\\2.0";
inline constexpr std::string_view kViewerSettingsKey = "software\\Marrowind\\Glenmarrowscape\\3.0";

// A settings store held in memory, for tests and for runs that must not
// touch the user's own settings.
class MemorySettingsStore final : public ISettingsStore {
public:
    std::optional<std::string> ReadText(std::string_view keyPath, std::string_view section,
                                        std::string_view name) const override;
    std::optional<long long> ReadInteger(std::string_view keyPath, std::string_view section,
                                         std::string_view name) const override;
    void WriteText(std::string_view keyPath, std::string_view section, std::string_view name,
                   std::string_view value) override;
    void WriteInteger(std::string_view keyPath, std::string_view section, std::string_view name,
                      long long value) override;

private:
    static std::string Key(std::string_view keyPath, std::string_view section, std::string_view name);
    std::map<std::string, std::string> values_;
};

}  // namespace tarn
