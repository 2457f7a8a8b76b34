#include <gtest/gtest.h>

#include <string>

#include "data/fields.hpp"

namespace antkeys {
namespace {

TEST(NextField, AdvancesPastEachTabAndFailsOneFieldTooFar) {
    const std::string line = "a\tb";
    int pos = 1;
    std::string_view field;
    ASSERT_TRUE(NextField(pos, line, field));
    EXPECT_EQ(field, "a");
    EXPECT_EQ(pos, 3);
    ASSERT_TRUE(NextField(pos, line, field));
    EXPECT_EQ(field, "b");
    EXPECT_EQ(pos, 5);
    EXPECT_FALSE(NextField(pos, line, field));
}

TEST(NextField, TrailingTabAndEmptyLineGiveOneEmptyField) {
    std::string_view field = "unchanged";
    int pos = 1;
    ASSERT_TRUE(NextField(pos, "a\t", field));
    ASSERT_TRUE(NextField(pos, "a\t", field));
    EXPECT_EQ(field, "");
    EXPECT_FALSE(NextField(pos, "a\t", field));

    pos = 1;
    ASSERT_TRUE(NextField(pos, "", field));
    EXPECT_EQ(field, "");
    EXPECT_FALSE(NextField(pos, "", field));
}

TEST(NextField, PositionsOutsideTheLineFailWithoutReading) {
    std::string_view field;
    int pos = 0;
    EXPECT_FALSE(NextField(pos, "abc", field));
    pos = 100;
    EXPECT_FALSE(NextField(pos, "abc", field));
}

TEST(ParseDouble, AcceptsBlanksAndExponentsInTheCLocaleOnly) {
    double v = 0;
    std::string why;
    ASSERT_TRUE(ParseDouble(" 1.5 ", v, why));
    EXPECT_EQ(v, 1.5);
    ASSERT_TRUE(ParseDouble("+2", v, why));
    EXPECT_EQ(v, 2);
    ASSERT_TRUE(ParseDouble("1E-100", v, why));
    EXPECT_EQ(v, 1e-100);
    ASSERT_TRUE(ParseDouble("-3.5E-07", v, why));
    EXPECT_EQ(v, -3.5e-7);

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

TEST(ParseWhole, RoundsToTheNearestAndChecksTheRangeAfterRounding) {
    long v = 0;
    std::string why;
    ASSERT_TRUE(ParseWhole("1.6", 0, 255, v, why));
    EXPECT_EQ(v, 2);
    ASSERT_TRUE(ParseWhole("2.5", 0, 255, v, why));
    EXPECT_EQ(v, 2);
    ASSERT_TRUE(ParseWhole("255.4", 0, 255, v, why));
    EXPECT_EQ(v, 255);
    ASSERT_TRUE(ParseWhole("-0.4", 0, 255, v, why));
    EXPECT_EQ(v, 0);
    ASSERT_TRUE(ParseWhole("-2147483648", -2147483648L, 2147483647L, v, why));
    EXPECT_EQ(v, -2147483648L);

    EXPECT_FALSE(ParseWhole("255.6", 0, 255, v, why));
    EXPECT_EQ(why, "\"255.6\" is outside 0..255");
    EXPECT_FALSE(ParseWhole("-1", 0, 255, v, why));
    EXPECT_FALSE(ParseWhole("32768", -32768, 32767, v, why));
    EXPECT_FALSE(ParseWhole("2147483648", -2147483648L, 2147483647L, v, why));
}

TEST(FieldCursor, NamesTheFieldThatFailed) {
    FieldCursor fields("x\t12\tabc");
    std::string_view text;
    long whole = 0;
    double number = 0;
    std::string why;
    ASSERT_TRUE(fields.Text(text, why));
    ASSERT_TRUE(fields.Whole(0, 255, whole, why));
    EXPECT_FALSE(fields.Double(number, why));
    EXPECT_EQ(why, "field 3: \"abc\" is not a number");
    EXPECT_FALSE(fields.Text(text, why));
    EXPECT_EQ(why, "field 4 is missing");
}

}  // namespace
}  // namespace antkeys
