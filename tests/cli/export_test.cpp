#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "export/xkb_names.hpp"
#include "support/cli_run.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"
#include "support/xkb_compile.hpp"

namespace antkeys {
namespace {

using test::CliRun;
using test::Contains;
using test::CountOf;
using test::RunTool;

// The XKB file is written where -o says, making its folder, and compiles with xkbcomp. The
// other formats are checked in tests/export; below, each option picks its own format.
TEST(ExportCommand, WritesTheXkbFileThatCompiles) {
    test::TempFolder dir;
    const std::string set = test::BundledSet("ka");
    const std::string ref = set + "/In/RefKeyLay.txt";
    const CliRun r = RunTool({"export", "--xkb", "--dir", set, "--name", "antka", ref, "-o",
                              dir.path() + "/symbols/antka"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string symbols = dir.Read("symbols/antka");
    // 33 Georgian letters with a Shift level, and the space bar.
    EXPECT_EQ(CountOf(symbols, " ] };  // "), 33) << symbols;
    EXPECT_NE(symbols.find("key <SPCE> { [ space, space ] };"), std::string::npos);
    EXPECT_NE(symbols.find("include \"us(basic)\""), std::string::npos);

    if (!test::HaveXkbcomp()) GTEST_SKIP() << "xkbcomp is not installed";
    std::string compiled, error;
    ASSERT_TRUE(test::CompileXkbSymbols(dir, "antka", compiled, error)) << error;
    // The compiled keymap names the Georgian keysyms; Q carries a Georgian letter, and the
    // digits the layout leaves alone keep the US ones.
    EXPECT_EQ(CountOf(compiled, "Georgian_"), 66) << compiled;
    EXPECT_TRUE(std::regex_search(compiled, std::regex(R"(key <AD01> \{\s*\[\s*Georgian_)")));
    EXPECT_TRUE(std::regex_search(compiled, std::regex(R"(key <AE01> \{\s*\[\s*1,\s*exclam)")));
}

// The references of the sets with a character map of their own export whole and compile;
// every letter gets its named keysym, never a number.
TEST(ExportCommand, EverySetsReferenceCompilesForX) {
    if (!test::HaveXkbcomp()) GTEST_SKIP() << "xkbcomp is not installed";
    for (const char* set : {"ru", "uk", "hy", "de", "fr"}) {
        SCOPED_TRACE(set);
        test::TempFolder dir;
        const std::string folder = test::BundledSet(set);
        const std::string name = std::string("ant") + set;
        const CliRun r =
            RunTool({"export", "--xkb", "--dir", folder, "--name", name,
                     folder + "/In/RefKeyLay.txt", "-o", dir.path() + "/symbols/" + name});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        std::string compiled, error;
        ASSERT_TRUE(test::CompileXkbSymbols(dir, name, compiled, error)) << error;
        EXPECT_FALSE(
            std::regex_search(dir.Read("symbols/" + name), std::regex(R"(\[ U[0-9A-F]{4})")));
    }
}

TEST(ExportCommand, ReportsWhatCannotBeExportedAndWritesTheRest) {
    test::TempFolder dir;
    dir.Write("In/KeyDefs.txt",
              "Code\tHand\tFinger\tColumn\tRow\tAlternate\r\n"
              "q\t0\t5\t5\t2\t0\r\nFn\t0\t5\t6\t2\t0\r\n;\t1\t5\t5\t3\t0\r\n"
              "AC01\t0\t5\t5\t3\t0\r\n");
    // 97 a on q, 193 on Fn (no XKB name), 7 a control character on ;, 100 d and 98 b both
    // on AC01 (the lower code wins).
    const std::string layout =
        dir.Write("my layout.txt", "h\r\n97\tq\r\n193\tFn\r\n7\t;\r\n100\tAC01\r\n98\tAC01\r\n");
    const CliRun r = RunTool({"export", "--xkb", "--dir", dir.path(), layout});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("name[Group1] = \"my_layout\";"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("key <AD01> { [ a, A ] };  // a"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("key <AC01> { [ b, B ] };  // b"), std::string::npos) << r.out;
    EXPECT_EQ(CountOf(r.out, "key <"), 2) << r.out;
    EXPECT_EQ(r.err,
              "antkeys-cli export: not exported: character 7 on key ';': GEORGIAN-PS has no "
              "printable character for it\n"
              "antkeys-cli export: not exported: character 100 'd' (U+0064) on key 'AC01': the "
              "key already carries character 98 'b' (U+0062)\n"
              "antkeys-cli export: not exported: character 193 '\u10D1' (U+10D1) on key 'Fn': "
              "XKB has no name for this key\n");

    // The other formats report the same and still write the rest, to stdout in their own form.
    for (const auto& [format, begins] : {std::pair<std::string, std::string>{"--klc", "\xFF\xFE"},
                                         {"--keylayout", "<?xml"},
                                         {"--kle", "[\n{\"name\":\"my layout\""}}) {
        const CliRun other = RunTool({"export", format, "--dir", dir.path(), layout});
        EXPECT_EQ(other.status, 1) << format;
        EXPECT_EQ(CountOf(other.err, "antkeys-cli export: not exported: "), 3) << other.err;
        EXPECT_EQ(CountOf(other.err, "antkeys-cli export: "), 3) << other.err;
        EXPECT_TRUE(Contains(other.err, "character 193 '\u10D1' (U+10D1) on key 'Fn': "))
            << other.err;
        EXPECT_EQ(other.out.rfind(begins, 0), 0u) << other.out;
    }

    // --shift us and --description reach the KLC file: with Shift, q gives 'Q' (0051), not 'A'.
    const CliRun klc = RunTool(
        {"export", "--klc", "--shift", "us", "--description", "Dd", "--dir", dir.path(), layout});
    std::string ascii;  // the UTF-16LE text without its high bytes
    for (std::size_t i = 0; i < klc.out.size(); i += 2) ascii += klc.out[i];
    EXPECT_TRUE(Contains(ascii, "\"Dd\"") && Contains(ascii, "0051")) << ascii;

    const std::string nothing = dir.Write("control.txt", "h\r\n7\t;\r\n");
    const CliRun none = RunTool({"export", "--xkb", "--dir", dir.path(), nothing});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("the layout places no character that"), std::string::npos) << none.err;
}

// The bundled layouts' keys compile above; here the names of keys and characters they lack.
TEST(XkbNames, KeysAndCharacters) {
    for (const auto& [code, name] : {std::pair<const char*, const char*>{"q", "AD01"},
                                     {"`", "TLDE"},
                                     {"<AB10>", "AB10"},
                                     {"Space", "SPCE"},
                                     {"space", ""},
                                     {"QQ", ""},
                                     {"", ""}})
        EXPECT_EQ(XkbKeyName(code), name) << code;
    for (const auto& [c, name] : {std::pair<char32_t, const char*>{U'~', "asciitilde"},
                                  {U'\u00E9', "eacute"},
                                  {U'\u0439', "Cyrillic_shorti"},
                                  {U'\U0001F600', "U1F600"},
                                  {0x1F, ""},
                                  {0x7F, ""},
                                  {0x85, ""}})
        EXPECT_EQ(XkbKeysym(c), name) << static_cast<int>(c);
}

}  // namespace
}  // namespace antkeys
