#include <gtest/gtest.h>

#include "data/number_format.hpp"

namespace antkeys {
namespace {

TEST(NumberFormat, GeneralDoubleUsesExponentForTinyAndHugeMagnitudes) {
    EXPECT_EQ(FormatDouble(0), "0");
    EXPECT_EQ(FormatDouble(-0.0), "0");
    EXPECT_EQ(FormatDouble(0.25), "0.25");
    EXPECT_EQ(FormatDouble(1e-100), "1E-100");
    EXPECT_EQ(FormatDouble(0.00001), "0.00001");
    EXPECT_EQ(FormatDouble(-3.5e-7), "-3.5E-07");
    EXPECT_EQ(FormatDouble(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatDouble(1e15), "1E+15");
    EXPECT_EQ(FormatDouble(1.0 / 3), "0.333333333333333");
}

TEST(NumberFormat, GeneralSingleKeepsSevenDigits) {
    EXPECT_EQ(FormatSingle(12.34f), "12.34");
    EXPECT_EQ(FormatSingle(1234567.f), "1234567");
    EXPECT_EQ(FormatSingle(12345678.f), "1.234568E+07");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    EXPECT_EQ(FormatSingle(1e-6f), "1E-06");
    EXPECT_EQ(FormatSingle(-3.2f), "-3.2");
}

TEST(NumberFormat, DisplayPatternsRoundHalfAwayFromZero) {
    EXPECT_EQ(FormatFixed2(0.1234), "0.12");
    EXPECT_EQ(FormatFixed2(-1.005), "-1.01");
    EXPECT_EQ(FormatFixed2(0.006), "0.01");
    EXPECT_EQ(FormatFixed2(9.999), "10.00");
    EXPECT_EQ(FormatFixed2(-0.001), "0.00");
    EXPECT_EQ(FormatFixed2(1.32f), "1.32");
    EXPECT_EQ(FormatPercent(0.1234f), "12.34%");
    EXPECT_EQ(FormatPercent(-0.05f), "-5.00%");
    EXPECT_EQ(FormatPercent(6.0f / 5.5f - 1.0f), "9.09%");
    EXPECT_EQ(FormatPercent(0.0f), "0.00%");
}

TEST(NumberFormat, FileNameNumberHasThreeDigits) {
    EXPECT_EQ(Format000(12.34f), "012");
    EXPECT_EQ(Format000(-3.2f), "-003");
    EXPECT_EQ(Format000(1234.5f), "1235");
    EXPECT_EQ(Format000(-0.4f), "000");
    EXPECT_EQ(Format000(99.5f), "100");
}

}  // namespace
}  // namespace antkeys
