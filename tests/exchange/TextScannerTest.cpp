// The text scanner under the text readers: lines, words and numbers across
// the chunks it reads in, and the number parsers.
#include "exchange/TextScanner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tarn {
namespace {

TEST(TextScanner, LinesEndInLineFeedsCarriageReturnsOrBothEvenAcrossChunks)
{
    // A carriage return as the last character of the first 64 KiB chunk and
    // its line feed as the first of the next.
    const std::string first(64 * 1024 - 1, 'a');
    std::istringstream in(first + "\r\nsecond\rthird\nlast");
    TTextScanner scanner(in);
    std::string line;
    ASSERT_TRUE(scanner.ReadLine(line, 1 << 20));
    EXPECT_EQ(line, first);
    ASSERT_TRUE(scanner.ReadLine(line, 1 << 20));
    EXPECT_EQ(line, "second");
    ASSERT_TRUE(scanner.ReadLine(line, 1 << 20));
    EXPECT_EQ(line, "third");
    ASSERT_TRUE(scanner.ReadLine(line, 1 << 20));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(scanner.ReadLine(line, 1 << 20));
    EXPECT_EQ(scanner.Position(), static_cast<long long>(first.size() + 2 + 7 + 6 + 4));
}

TEST(TextScanner, LongLinesAndWordsAreCutAndTheirRestSkipped)
{
    std::istringstream in(std::string(200000, 'x') + "\nnext " + std::string(100, '7') + " 5");
    TTextScanner scanner(in);
    std::string line;
    ASSERT_TRUE(scanner.ReadLine(line, 10));
    EXPECT_EQ(line, std::string(10, 'x'));
    EXPECT_EQ(scanner.ReadWord(32), "next");
    EXPECT_EQ(scanner.ReadWord(32), std::string(32, '7'));
    EXPECT_EQ(scanner.ReadWord(32), "5");
    EXPECT_EQ(scanner.ReadWord(32), "");
}

TEST(TextScanner, IntegersStopWhereTheyCannotGoOn)
{
    std::istringstream in("  12-7\n+4 99999999999999999999 - x");
    TTextScanner scanner(in);
    EXPECT_EQ(scanner.ReadInteger(), 12);
    EXPECT_EQ(scanner.ReadInteger(), -7);
    EXPECT_EQ(scanner.ReadInteger(), 4);
    EXPECT_EQ(scanner.ReadInteger(), 1'000'000'000'000'000LL) << "saturated";
    EXPECT_EQ(scanner.ReadInteger(), std::nullopt) << "a sign alone";
    EXPECT_EQ(scanner.ReadInteger(), std::nullopt);
    EXPECT_EQ(scanner.Get(), 'x') << "a failed integer leaves what follows";
}

TEST(TextScanner, TakeAndSkipCrossChunks)
{
    std::istringstream in(std::string(70000, 'a') + "bcd");
    TTextScanner scanner(in);
    EXPECT_EQ(scanner.Skip(65535), 65535u);
    EXPECT_EQ(scanner.Take(4466), std::string(4465, 'a') + "b");
    EXPECT_EQ(scanner.Take(10), "cd");
    EXPECT_EQ(scanner.Skip(5), 0u);
    EXPECT_TRUE(scanner.AtEnd());
}

TEST(NumberText, RealsInFortranNotationAndOnlyFiniteOnes)
{
    EXPECT_DOUBLE_EQ(*ParseReal("  0.415002000000000D+07 "), 4150020.0);
    EXPECT_DOUBLE_EQ(*ParseReal("-0.1d-01"), -0.01);
    EXPECT_DOUBLE_EQ(*ParseReal("+12.5"), 12.5);
    EXPECT_DOUBLE_EQ(*ParseReal("0.300000E+02"), 30.0);
    EXPECT_EQ(ParseReal("nan"), std::nullopt);
    EXPECT_EQ(ParseReal("inf"), std::nullopt);
    EXPECT_EQ(ParseReal("1e999"), std::nullopt);
    EXPECT_EQ(ParseReal("1.5x"), std::nullopt);
    EXPECT_EQ(ParseReal(""), std::nullopt);
    EXPECT_EQ(ParseReal(std::string(100, '1')), std::nullopt);
    EXPECT_EQ(ParseTrimmedInteger(" +42 "), 42);
    EXPECT_EQ(ParseTrimmedInteger("4 2"), std::nullopt);
}

}  // namespace
}  // namespace tarn
