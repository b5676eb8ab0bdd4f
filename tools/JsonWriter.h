#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn::tool {

// Builds indented JSON text: objects and arrays are opened and closed in
// order, and values are escaped as they are added.
class JsonWriter {
public:
    JsonWriter& beginObject(std::string_view key = {});
    JsonWriter& endObject();
    JsonWriter& beginArray(std::string_view key = {});
    JsonWriter& endArray();

    JsonWriter& value(std::string_view key, long long number);
    JsonWriter& value(std::string_view key, double number);
    JsonWriter& value(std::string_view key, std::string_view text);
    JsonWriter& value(std::string_view key, bool flag);
    template <typename Range>
    JsonWriter& numbers(std::string_view key, const Range& range)
    {
        beginArray(key);
        for (const auto& n : range)
            value({}, static_cast<long long>(n));
        return endArray();
    }

    const std::string& text() const { return text_; }

private:
    JsonWriter& open(std::string_view key, char bracket);
    JsonWriter& close(char bracket);
    void startItem(std::string_view key);
    static std::string Quote(std::string_view text);

    std::string text_;
    std::vector<bool> firstInScope_;
};

}  // namespace tarn::tool
