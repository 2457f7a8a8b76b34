// The pieces every file is made of: lines, TAB-separated fields and numbers in the C locale.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/fields.hpp"
#include "data/number_format.hpp"
#include "data/text_file.hpp"
#include "support/temp_folder.hpp"

namespace antkeys {
namespace {

std::vector<std::string> AllLines(std::string content) {
    LineReader reader(std::move(content));
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) lines.push_back(line);
    EXPECT_EQ(reader.LineNumber(), static_cast<int>(lines.size()));
    return lines;
}

TEST(LineReader, TakesCrLfAndLfEndsAndAnUnendedLastLine) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(AllLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(AllLines("\r\n"), (Lines{""}));
    EXPECT_EQ(AllLines(""), (Lines{}));
    // Only a CR right before the LF belongs to the line end.
    EXPECT_EQ(AllLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
}

TEST(ReadWholeFile, KeepsEveryByteAndRefusesAFolder) {
    test::TempFolder folder;
    const std::string bytes("\xE0\x00\r\n", 4);
    std::string content, error;
    ASSERT_TRUE(ReadWholeFile(folder.Write("bytes.bin", bytes), content, error));
    EXPECT_EQ(content, bytes);
    EXPECT_FALSE(ReadWholeFile(folder.path(), content, error));
    EXPECT_NE(error.find("it is a folder"), std::string::npos) << error;
}

TEST(ParseDouble, AcceptsBlanksAndExponentsInTheCLocaleOnly) {
    double v = 0;
    std::string why;
    for (const auto& [text, value] : {std::pair<const char*, double>{" 1.5 ", 1.5},
                                      {"+2", 2},
                                      {"1E-100", 1e-100},
                                      {"-3.5E-07", -3.5e-7}}) {
        ASSERT_TRUE(ParseDouble(text, v, why)) << text;
        EXPECT_EQ(v, value);
    }
    v = 7;
    for (const char* bad : {"1,5", "x", "1.5x", "nan", "inf", "0x10", "1 2", "\t1"}) {
        EXPECT_FALSE(ParseDouble(bad, v, why)) << bad;
        EXPECT_NE(why.find("is not a number"), std::string::npos) << why;
    }
    EXPECT_EQ(v, 7);
    EXPECT_FALSE(ParseDouble("", v, why));
    EXPECT_NE(why.find("empty"), std::string::npos);
    EXPECT_FALSE(ParseDouble("1e400", v, why));
    EXPECT_NE(why.find("out of range"), std::string::npos);
}

TEST(ParseWhole, RoundsHalfToEvenAndChecksTheRangeAfterRounding) {
    long v = 0;
    std::string why;
    for (const auto& [text, value] :
         {std::pair<const char*, long>{"1.6", 2}, {"2.5", 2}, {"255.4", 255}, {"-0.4", 0}}) {
        ASSERT_TRUE(ParseWhole(text, 0, 255, v, why)) << text;
        EXPECT_EQ(v, value) << text;
    }
    ASSERT_TRUE(ParseWhole("-2147483648", -2147483648L, 2147483647L, v, why));
    EXPECT_EQ(v, -2147483648L);

    EXPECT_FALSE(ParseWhole("255.6", 0, 255, v, why));
    EXPECT_EQ(why, "\"255.6\" is outside 0..255");
}

// The store and the best layouts print Doubles and Singles in the general format; the panel
// rounds half away from zero.
TEST(NumberFormat, GeneralFormatsAndDisplayPatterns) {
    const std::pair<std::string, std::string> cases[] = {
        {FormatDouble(-0.0), "0"},
        {FormatDouble(1e-100), "1E-100"},
        {FormatDouble(0.00001), "0.00001"},
        {FormatDouble(123456789012345.0), "123456789012345"},
        {FormatDouble(1e15), "1E+15"},
        {FormatDouble(1.0 / 3), "0.333333333333333"},
        {FormatSingle(1234567.f), "1234567"},
        {FormatSingle(12345678.f), "1.234568E+07"},
        {FormatSingle(1e-6f), "1E-06"},
        {FormatFixed2(-1.005), "-1.01"},
        {FormatFixed2(-0.001), "0.00"},
        {FormatFixed2(9.999), "10.00"},
        {FormatPercent(-0.05f), "-5.00%"},
    };
    for (const auto& [formatted, expected] : cases) EXPECT_EQ(formatted, expected);
}

}  // namespace
}  // namespace antkeys
