// The commands that make a program folder's input: antkeys-cli init copies an installed set,
// refuses to overwrite In/ and with --force keeps the old pheromone store aside; antkeys-cli
// digraphs counts the pairs and triples of a language's texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "corpus/digraph_counter.hpp"
#include "support/cli_run.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"

namespace antkeys::cli {
namespace {

using test::CliRun;
using test::Contains;
using test::RunTool;

TEST(InitCommand, MakesAFolderThatLoadsRefusesToOverwriteItAndForceKeepsTheStoreAside) {
    test::TempFolder temp;
    const std::string dir = temp.path() + "/new/folder";
    CliRun r = test::RunTool({"init", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/RefKeyLay.txt"),
              test::ReadFile(test::BundledSet("ka") + "/In/RefKeyLay.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir + "/Out/Pheromones.txt"));

    r = test::RunTool({"evaluate", "--verbose", "--dir", dir});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "Program folder: " + dir + "\n")) << r.err;
    EXPECT_TRUE(Contains(r.out, "In/RefKeyLay.txt")) << r.out;

    temp.Write("new/folder/In/Gj.txt", "mine");
    temp.Write("new/folder/Out/Pheromones.txt", "learnt");
    r = test::RunTool({"init", "--set", "en", dir});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "--force")) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/Gj.txt"), "mine");

    r = test::RunTool({"init", "--force", "--set", "en", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/RefKeyLay.txt"),
              test::ReadFile(test::BundledSet("en") + "/In/RefKeyLay.txt"));
    EXPECT_EQ(temp.Read("new/folder/Out/Pheromones.txt.old"), "learnt");
    EXPECT_FALSE(std::filesystem::exists(dir + "/Out/Pheromones.txt"));
}

// Every bundled set makes a folder that loads and grades its reference 0.00%; a set without a
// character map, forced over one with a map, moves that map aside.
TEST(InitCommand, EverySetMakesAFolderThatGradesItsReferenceAndNoMapOutlivesItsSet) {
    test::TempFolder temp;
    for (const char* set : {"ka", "en", "ru", "uk", "hy", "de", "el", "fr"}) {
        SCOPED_TRACE(set);
        const std::string dir = temp.path() + "/" + set;
        CliRun r = RunTool({"init", "--set", set, dir});
        ASSERT_EQ(r.status, 0) << r.err;
        r = RunTool({"evaluate", "--dir", dir});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(test::CountOf(r.out, "\n"), 2) << r.out;  // the header and the reference
        EXPECT_TRUE(Contains(r.out, "\nIn/RefKeyLay.txt ")) << r.out;
        EXPECT_TRUE(r.out.ends_with(" 0.00%\n")) << r.out;
    }
    const std::string ru = temp.path() + "/ru";
    const std::string map = test::ReadFile(test::BundledSet("ru") + "/In/Charset.txt");
    ASSERT_EQ(test::ReadFile(ru + "/In/Charset.txt"), map);
    const CliRun r = RunTool({"init", "--force", "--set", "ka", ru});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(std::filesystem::exists(ru + "/In/Charset.txt"));
    EXPECT_EQ(test::ReadFile(ru + "/In/Charset.txt.old"), map);
}

// Georgian with a Mtavruli capital (U+1CB0), upper-case ASCII, runs of white space, a
// character GEORGIAN-PS has no code for (€), a control character.
const std::string kText1 = "Ab \t \xE1\xB2\x90\xE1\x83\x91X\xE2\x82\xACy\x01\r\n";
const std::string kText2 = "z";

TEST(DigraphsCommand, CountsPairsOfCodesAcrossFilesAndWhiteSpace) {
    test::TempFolder dir;
    // A third file: a and b around characters without a code, of two, three and four bytes.
    const std::string third = dir.Write("three.txt",
                                        "a\xC4\xAD\xE2\x82\xAC\xF0\x9F\x98\x80"
                                        "b");
    const CliRun r =
        RunTool({"digraphs", dir.Write("one.txt", kText1), dir.Write("two.txt", kText2), third});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "code1\tcode2\tcount\r\n"
              "32\t97\t2\r\n"
              "32\t122\t1\r\n"
              "32\t192\t1\r\n"
              "97\t98\t2\r\n"
              "98\t32\t2\r\n"
              "120\t121\t1\r\n"
              "121\t32\t1\r\n"
              "122\t32\t1\r\n"
              "192\t193\t1\r\n"
              "193\t120\t1\r\n");
    EXPECT_TRUE(Contains(r.err, "5 dropped")) << r.err;
    EXPECT_TRUE(Contains(r.err, "10 pairs written")) << r.err;
    // A dropped character is named with its glyph and its code point, whatever its length.
    for (const char* named : {"\xC4\xAD U+012D", "\xE2\x82\xAC U+20AC", "\xF0\x9F\x98\x80 U+1F600"})
        EXPECT_TRUE(Contains(r.err, named)) << named << "\n" << r.err;
}

TEST(DigraphsCommand, RefusesTextThatIsNotUtf8AndNamesTheByte) {
    test::TempFolder dir;
    // A Latin-1 "é" after three good bytes; the second text is never reached.
    const CliRun r = RunTool({"digraphs", "-o", dir.path() + "/d.txt", dir.Write("good.txt", "ok"),
                              dir.Write("latin1.txt", "caf\xE9 au lait"), "missing.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "latin1.txt: not valid UTF-8 at byte offset 3")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/d.txt"));
}

TEST(DigraphsCommand, FolderMapFoldsCapitalsAndComposesAndWeightsTexts) {
    test::TempFolder dir;
    // A small Cyrillic map; Shift of code 3 (я) is Ж, no case pair: only the map says so.
    const std::string map = dir.Write("Charset.txt",
                                      "Code\tChar\tShift\r\n1\t\xD0\xB8\r\n2\t\xD0\xB9\r\n"
                                      "3\t\xD1\x8F\t\xD0\x96\r\n");
    // И, й written as и + combining breve, Ж, and a capital Й.
    const std::string text = dir.Write("t.txt", "\xD0\x98\xD0\xB8\xCC\x86\xD0\x96 \xD0\x99");
    CliRun r = RunTool({"digraphs", "--charset", map, text});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "code1\tcode2\tcount\r\n1\t2\t1\r\n2\t3\t1\r\n2\t32\t1\r\n3\t32\t1\r\n"
              "32\t1\t1\r\n32\t2\t1\r\n");
    EXPECT_TRUE(Contains(r.err, "4 characters counted, 0 dropped")) << r.err;

    // 2 characters and 8: at 50 % each the first text's pairs weigh 2.5, the second's 0.625.
    const std::string a = dir.Write("a.txt", "\xD0\xB8\xD0\xB8");
    std::string eight;
    for (int i = 0; i < 8; ++i) eight += "\xD0\xB9";
    const std::string b = dir.Write("b.txt", eight);
    r = RunTool({"digraphs", "--charset", map, "--weights", "50,50", a, b});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "code1\tcode2\tcount\r\n1\t1\t3\r\n1\t32\t3\r\n2\t2\t4\r\n2\t32\t1\r\n"
              "32\t1\t3\r\n32\t2\t1\r\n");
    r = RunTool({"digraphs", "--charset", map, "--weights", "50", a, b});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "1 shares for 2 texts")) << r.err;
}

TEST(DigraphsCommand, ACharacterTypedAsASequenceCountsItsKeystrokes) {
    test::TempFolder dir;
    // α 1, μ 2, tonos 3 (the dead key); ά and έ are tonos then their vowel, ε 4.
    const std::string map = dir.Write("Charset.txt",
                                      "Code\tChar\tShift\r\n1\t\xCE\xB1\r\n2\t\xCE\xBC\r\n"
                                      "3\t\xCE\x84\r\n4\t\xCE\xB5\r\n"
                                      "\xCE\xAC\t\xCE\x84\t\xCE\xB1\r\n"
                                      "\xCE\xAD\t\xCE\x84\t\xCE\xB5\r\n");
    // "μά Έα ω": keystrokes μ ´ α space ´ ε α space, and ω has neither code nor sequence.
    const std::string text = dir.Write("t.txt", "\xCE\xBC\xCE\xAC \xCE\x88\xCE\xB1 \xCF\x89");
    const CliRun r = RunTool({"digraphs", "--charset", map, text});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "code1\tcode2\tcount\r\n1\t32\t2\r\n2\t3\t1\r\n3\t1\t1\r\n3\t4\t1\r\n"
              "4\t1\t1\r\n32\t2\t1\r\n32\t3\t1\r\n");
    EXPECT_TRUE(Contains(r.err, "6 characters counted, 1 dropped")) << r.err;
    EXPECT_TRUE(Contains(r.err, "U+03C9")) << r.err;
}

// The bundled French map and alphabet: ê and Î are the circumflex dead key (94) then the vowel,
// ï is the same key's Shift (¨) then i; œ and the comma have no key, so their pairs go.
TEST(DigraphsCommand, FrenchAccentedVowelsCountTheDeadKeyThenTheVowel) {
    test::TempFolder dir;
    const std::string fr = test::BundledSet("fr") + "/In/";
    const std::string text = dir.Write("t.txt", "F\u00EAte na\u00EFve, \u00CEle c\u0153ur");
    const CliRun r = RunTool(
        {"digraphs", "--charset", fr + "Charset.txt", "--alphabet", fr + "RefKeyLay.txt", text});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "code1\tcode2\tcount\r\n"
              "32\t94\t1\r\n32\t99\t1\r\n32\t102\t1\r\n32\t110\t1\r\n"
              "94\t101\t1\r\n94\t105\t2\r\n97\t94\t1\r\n"
              "101\t32\t2\r\n101\t116\t1\r\n102\t94\t1\r\n105\t108\t1\r\n105\t118\t1\r\n"
              "108\t101\t1\r\n110\t97\t1\r\n114\t32\t1\r\n116\t101\t1\r\n117\t114\t1\r\n"
              "118\t101\t1\r\n");
}

TEST(DigraphsCommand, AlphabetKeepsOnlyPairsOfPlacedCharactersAndWritesTheFile) {
    test::TempFolder dir;
    // 193 and 120 are listed without a key: not placed.
    const std::string alphabet = dir.Write(
        "lay.txt",
        "header\r\n32\tSpace\t1\r\n97\tA\t0\r\n98\tB\t0\r\n192\tD\t0\r\n193\t\t0\r\n120\t\r\n\r\n");
    const CliRun r =
        RunTool({"digraphs", "--alphabet", alphabet, "-o", dir.path() + "/DiGraphs.txt",
                 dir.Write("one.txt", kText1), dir.Write("two.txt", kText2)});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(dir.Read("DiGraphs.txt"),
              "code1\tcode2\tcount\r\n32\t97\t1\r\n32\t192\t1\r\n97\t98\t1\r\n98\t32\t1\r\n");
}

// "-o -" is standard output, for digraphs, charset and export alike, and no file named "-".
TEST(OutputOption, DashIsStandardOutput) {
    test::TempFolder dir;
    const std::string text = dir.Write("one.txt", kText1);
    const std::string ref = test::BundledSet("en") + "/In/RefKeyLay.txt";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"digraphs", text},
          {"charset", "KOI8-R"},
          {"export", "--xkb", "--dir", test::BundledSet("en"), ref}}) {
        const CliRun plain = RunTool(args);
        std::vector<std::string> dashed = args;
        dashed.insert(dashed.end(), {"-o", "-"});
        const CliRun dash = RunTool(dashed);
        EXPECT_EQ(dash.status, plain.status) << args[0];
        EXPECT_FALSE(plain.out.empty()) << args[0];
        EXPECT_EQ(dash.out, plain.out) << args[0];
    }
    EXPECT_FALSE(std::filesystem::exists("-"));
}

TEST(DigraphsCommand, TrigramsFollowTheSameTextAndAlphabet) {
    test::TempFolder dir;
    const std::string alphabet =
        dir.Write("ref.txt", "h\r\n32\tSpace\r\n97\tA\r\n98\tB\r\n99\tC\r\n");
    // Codes: space a b space a b , space a b c space; the comma is not placed.
    const std::string text = dir.Write("t.txt", "Ab  ab, abc");
    const CliRun r = RunTool({"digraphs", "--alphabet", alphabet, "--trigrams",
                              dir.path() + "/TriGraphs.txt", "-o", dir.path() + "/d.txt", text});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.Read("TriGraphs.txt"),
              "code1\tcode2\tcode3\tcount\r\n"
              "32\t97\t98\t3\r\n"
              "97\t98\t32\t1\r\n"
              "97\t98\t99\t1\r\n"
              "98\t32\t97\t1\r\n"
              "98\t99\t32\t1\r\n");
    EXPECT_TRUE(Contains(r.err, "trigrams: 5 sequences written, 7 occurrences")) << r.err;

    // Without --trigrams nothing more is written.
    EXPECT_FALSE(
        Contains(RunTool({"digraphs", "-o", dir.path() + "/e.txt", text}).err, "trigrams"));
}

TEST(DigraphCounter, CharactersSplitBetweenChunksArePutTogether) {
    DigraphCounter whole(CharacterMap::GeorgianPs()), bytewise(CharacterMap::GeorgianPs());
    // em space, U+1CBF, U+1CBB, and e with a combining acute, which NFC composes to U+00E9
    const std::string text = kText1 + "\xE2\x80\x83\xE1\xB2\xBF\xE1\xB2\xBB" + "e\xCC\x81";
    whole.Boundary();
    whole.Feed(text.data(), text.size());
    whole.Boundary();
    bytewise.Boundary();
    for (char ch : text) bytewise.Feed(&ch, 1);
    bytewise.Boundary();
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            ASSERT_EQ(whole.Count(a, b), bytewise.Count(a, b)) << a << " " << b;
    EXPECT_EQ(whole.dropped(), bytewise.dropped());
    // The em space separates; Mtavruli U+1CBF is the capital of U+10FF, which GEORGIAN-PS
    // lacks, and U+1CBB is no letter: both dropped.
    EXPECT_EQ(whole.Count(121, 32), 1u);
    EXPECT_EQ(whole.dropped(), 4u);
    EXPECT_EQ(whole.Count(233, 32), 1u);  // GEORGIAN-PS has the composed letter at 233
}

}  // namespace
}  // namespace antkeys::cli
