#include "model/TextCodec.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(TextCodec, WesternLettersAndPunctuationRoundTrip)
{
    const std::string utf8 = "G\xC3\xA4rten \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D \xC5\x93";  // Gärten € “quoted” œ
    const std::string bytes = Utf8ToWindowsWestern(utf8);
    EXPECT_EQ(bytes, "G\xE4rten \x80 \x93quoted\x94 \x9C");
    EXPECT_EQ(WindowsWesternToUtf8(bytes), utf8);
}

TEST(TextCodec, EveryByteSurvivesAReadAndWrite)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToWindowsWestern(WindowsWesternToUtf8(all)), all);
}

TEST(TextCodec, UnmappableAndMalformedTextBecomesQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindowsWestern("\xE6\x97\xA5x"), "?x");        // a CJK character
    EXPECT_EQ(Utf8ToWindowsWestern("\xF0\x9F\x8C\x84"), "?");       // outside the basic plane
    EXPECT_EQ(Utf8ToWindowsWestern("a\xC3"), "a?");                  // cut inside a sequence
    EXPECT_EQ(Utf8ToWindowsWestern("\xFF\xC2\x80"), "??");           // bad lead; U+0080 has no byte
}

}  // namespace
}  // namespace tarn
