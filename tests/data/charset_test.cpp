// Character maps: made from an iconv character set, written to a file and read back, and the
// rules by which a text's characters find their codes.
#include <gtest/gtest.h>

#include "data/charset_file.hpp"
#include "data/charset_iconv.hpp"

namespace antkeys {
namespace {

CharacterMap FromIconv(const std::string& name) {
    CharacterMap map;
    std::string why;
    EXPECT_TRUE(IconvCharsetMap(name, map, why)) << why;
    return map;
}

TEST(CharacterMap, IconvSetsSurviveTheirFileAndGiveUpperCaseShift) {
    for (const char* name : {"KOI8-R", "ARMSCII-8", "ISO-8859-7", "GEORGIAN-PS"}) {
        SCOPED_TRACE(name);
        const CharacterMap made = FromIconv(name);
        RecordingSink sink;
        CharacterMap read;
        ASSERT_TRUE(LoadCharsetText(CharsetFileText(made), "Charset.txt", read, sink));
        for (int c = 0; c < kCharCodes; ++c) {
            const auto code = static_cast<Byte>(c);
            ASSERT_EQ(read.CodePoint(code),
                      made.Shows(code) ? made.CodePoint(code) : CharacterMap::kNone)
                << c;
            ASSERT_EQ(read.Shift(code), made.Shift(code)) << c;
        }
    }
    const CharacterMap koi8 = FromIconv("KOI8-R");
    EXPECT_EQ(koi8.Utf8(193), "\xD0\xB0");                      // а
    EXPECT_EQ(koi8.Shift(193), U'\u0410');                      // А
    EXPECT_EQ(FromIconv("GEORGIAN-PS").Shift(192), U'\u10D0');  // no capitals on Georgian keys
}

TEST(CharacterMap, TextCharactersFindTheirLetters) {
    const CharacterMap greek = FromIconv("ISO-8859-7");
    const int sigma = greek.CodeOf(U'σ'), finalSigma = greek.CodeOf(U'ς');
    ASSERT_GE(sigma, 0);
    ASSERT_GE(finalSigma, 0);
    EXPECT_NE(sigma, finalSigma);
    EXPECT_EQ(greek.CodeOf(U'Σ'), sigma);  // both sigmas have Σ on Shift; it is σ's capital
    EXPECT_EQ(greek.CodeOf(U'Ά'), greek.CodeOf(U'ά'));
    EXPECT_EQ(greek.CodeOf(U'\u3000'), ' ');  // any white space is the space
    EXPECT_EQ(greek.CodeOf(U'ж'), -1);

    // KOI8-R has the capitals at codes of their own; they still count as their letters.
    const CharacterMap koi8 = FromIconv("KOI8-R");
    EXPECT_EQ(koi8.CodeOf(U'Я'), koi8.CodeOf(U'я'));
    EXPECT_EQ(koi8.CodeOf(U'Q'), 'q');
    EXPECT_EQ(CharacterMap::GeorgianPs().CodeOf(U'\u1C91'), 193);  // Mtavruli to Mkhedruli
}

TEST(CharacterMap, SequencesSurviveTheirFileAndFindTheirKeys) {
    // ά and its capital are tonos then α; ϊ is the tonos key's Shift character ¨, then ι.
    const std::string text =
        "Code\tChar\tShift\r\n1\t\xCE\xB1\r\n2\t\xCE\xB9\r\n3\t\xCE\x84\t\xC2\xA8\r\n"
        "\xCE\xAC\t\xCE\x84\t\xCE\xB1\r\n\xCF\x8A\t\xC2\xA8\t\xCE\xB9\r\n";
    RecordingSink sink;
    CharacterMap map, again;
    ASSERT_TRUE(LoadCharsetText(text, "Charset.txt", map, sink));
    ASSERT_TRUE(LoadCharsetText(CharsetFileText(map), "Charset.txt", again, sink));
    EXPECT_EQ(CharsetFileText(again), CharsetFileText(map));
    EXPECT_EQ(again.sequences().size(), 2u);
    Byte dead = 0, base = 0;
    ASSERT_TRUE(map.SequenceOf(U'Ά', dead, base));
    EXPECT_EQ(dead, 3);
    EXPECT_EQ(base, 1);
    ASSERT_TRUE(map.SequenceOf(U'ϊ', dead, base));
    EXPECT_EQ(dead, 3);
    EXPECT_EQ(base, 2);
    EXPECT_FALSE(map.SequenceOf(U'α', dead, base));
    EXPECT_EQ(map.CodeOf(U'ά'), -1);
    EXPECT_TRUE(map.IsDeadKey(3));
    EXPECT_FALSE(map.IsDeadKey(1));
}

TEST(CharacterMap, OnlySingleByteSetsMakeAMap) {
    CharacterMap map;
    std::string why;
    EXPECT_FALSE(IconvCharsetMap("UTF-8", map, why));
    EXPECT_EQ(why, "UTF-8 is not a single-byte character set (code 194 starts a longer sequence)");
    EXPECT_FALSE(IconvCharsetMap("NO-SUCH-SET", map, why));
    EXPECT_EQ(why, "the system's iconv does not know the character set NO-SUCH-SET");
}

}  // namespace
}  // namespace antkeys
