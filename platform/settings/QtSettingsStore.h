#pragma once

#include "model/SettingsStore.h"

#include <QString>

namespace tarn {

// The settings store kept in INI files under the user's configuration folder.
// A key path "software\Marrowind\Tarnhollow\2.0" becomes the file
// <root>/Marrowind/Tarnhollow/2.0.ini and the section its group, so each
// program's settings sit in one readable file.
class QtSettingsStore final : public ISettingsStore {
public:
    // An empty root means the user's configuration folder.
    explicit QtSettingsStore(QString rootFolder = {});

    std::optional<std::string> ReadText(std::string_view keyPath, std::string_view section,
                                        std::string_view name) const override;
    std::optional<long long> ReadInteger(std::string_view keyPath, std::string_view section,
                                         std::string_view name) const override;
    void WriteText(std::string_view keyPath, std::string_view section, std::string_view name,
                   std::string_view value) override;
    void WriteInteger(std::string_view keyPath, std::string_view section, std::string_view name,
                      long long value) override;

    // The INI file that holds a key path.
    QString FileFor(std::string_view keyPath) const;

private:
    QString root_;
};

}  // namespace tarn
