#include "tools/JsonWriter.h"

#include <gtest/gtest.h>

using tarn::tool::JsonWriter;

TEST(JsonWriter, NestsAndEscapes)
{
    JsonWriter json;
    json.beginObject()
        .value("name", std::string_view("Loch \"Tarn\"\n\\"))
        .value("count", 3LL)
        .value("scale", 0.1)
        .value("odd", 1.0 / 0.0)
        .value("on", true)
        .beginArray("list")
        .value({}, 1LL)
        .value({}, 2LL)
        .endArray()
        .beginObject("empty")
        .endObject()
        .value("latin", std::string_view("\xE9"))
        .endObject();
    EXPECT_EQ(json.text(),
              "{\n  \"name\": \"Loch \\\"Tarn\\\"\\u000a\\\\\",\n  \"count\": 3,\n  \"scale\": 0.1,\n"
              "  \"odd\": null,\n  \"on\": true,\n  \"list\": [\n    1,\n    2\n  ],\n  \"empty\": {},\n"
              "  \"latin\": \"\xC3\xA9\"\n}\n");
}
