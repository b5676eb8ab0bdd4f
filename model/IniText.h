#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarn {

// A text in the usual sectioned key=value layout. Section and key names
// match whatever their case (ASCII letters); blanks around them are ignored,
// as are lines that are neither a section heading nor a key=value pair. A
// section named twice continues the first.
class IniText {
public:
    static IniText Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::optional<long long> Integer(std::string_view section, std::string_view key) const;

    // Appends a key to a section, creating the section at the end when new.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Format() const;

private:
    using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
    Section& SectionNamed(std::string_view name);

    std::vector<Section> sections_;
};

}  // namespace tarn
