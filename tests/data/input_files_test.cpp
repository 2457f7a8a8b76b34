// The key definitions, the digraph counts, the target load and the Kdi and Gj weights as their
// readers fill them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "data/trigraph_tables.hpp"
#include "support/keyboards.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::CrLf;

const std::string kHeader = "Code\tHand\tFinger\tCol\tRow\tAlt";

// Any flag but 0 marks a key and is followed by its companion: a companion of hand 0 is on
// hand 1, of any other hand on 0. Fields after the sixth are not read.
TEST(LoadKeyDefs, EveryKeyFillsItsEntryAfterTheDummyAndAFlaggedOneIsFollowedByItsCompanion) {
    KeyTables keys;
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyDefsText(CrLf({kHeader, "Q\t0\t5\t4\t2\t0", "L\t0\t3\t-3\t4\t1",
                                      "H\t3\t2\t1\t3\t-1", "Z\t1\t1\t0\t2\t0.5\textra"}),
                                "KeyDefs.txt", keys, sink));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(keys.nKeys(), 7);
    EXPECT_EQ(keys.codes, (std::vector<std::string>{"", "Q", "L", "", "H", "", "Z", ""}));
    EXPECT_EQ(keys.hands, (std::vector<Byte>{0, 0, 0, 1, 3, 0, 1, 0}));
    EXPECT_EQ(keys.fingers, (std::vector<Byte>{0, 5, 3, 3, 2, 2, 1, 1}));
    EXPECT_EQ(keys.cols, (std::vector<Integer>{0, 4, -3, -3, 1, 1, 0, 0}));
    EXPECT_EQ(keys.rows, (std::vector<Integer>{0, 2, 4, 4, 3, 3, 2, 2}));
    EXPECT_EQ(keys.alters, (std::vector<Byte>{0, 0, 1, 1, 1, 1, 1, 1}));

    // A header alone loads no keys.
    EXPECT_TRUE(LoadKeyDefsText(kHeader, "KeyDefs.txt", keys, sink));
    EXPECT_EQ(keys.nKeys(), -1);

    // Field positions are 16-bit: the longest line allowed loads, one more character fails
    // (see the reader tests).
    const std::string longest = std::string(32766 - 10, 'Q') + "\t0\t5\t4\t2\t0";
    ASSERT_EQ(longest.size(), 32766u);
    EXPECT_TRUE(LoadKeyDefsText(CrLf({kHeader, longest}), "k", keys, sink));
    EXPECT_TRUE(sink.messages.empty());
}

TEST(KeyCode2KeyID, FindsTheFirstExactMatchAndReportsLookupsThatCannotWork) {
    KeyTables keys = test::Keyboard(
        {"a\t0\t1\t0\t2\t0", "A\t0\t1\t0\t2\t1", "B\t0\t1\t0\t2\t0", "A\t0\t1\t0\t2\t0"});
    RecordingSink sink;
    for (const auto& [code, id] : {std::pair<const char*, int>{"", 0},
                                   {"nope", 0},
                                   {"a", 1},
                                   {"A", 2},     // the later duplicate at 5 is never found
                                   {"B", 4}}) {  // after the companion at 3
        EXPECT_EQ(KeyCode2KeyID(keys, code), id) << code;
        EXPECT_EQ(KeyCode2KeyID(keys, code, sink), id) << code;
    }
    EXPECT_TRUE(sink.messages.empty());

    const KeyTables none;
    EXPECT_EQ(KeyCode2KeyID(none, "", sink), 0);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(KeyCode2KeyID(none, "A", sink), 0);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "Unexpected Error");
    EXPECT_EQ(sink.messages[0].text.rfind("Error in KeyCode2KeyID\r\n", 0), 0u);

    KeyTables many;
    many.Resize(300);
    many.codes[260] = "far";
    EXPECT_EQ(KeyCode2KeyID(many, "far", sink), 0);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_NE(sink.messages[1].text.find("key 260"), std::string::npos);
}

// A repeated pair is an entry of its own where it stands.
TEST(LoadDiGraphs, EveryPairIsOneEntryInFileOrderAndAHeaderAloneGivesNone) {
    DigraphTables d;
    RecordingSink sink;
    ASSERT_TRUE(LoadDiGraphsText(CrLf({"h", "97\t98\t1000", "255\t0\t-5\tignored",
                                       "98\t97\t2147483647", "097\t98.0\t-2", "32\t97\t1"}),
                                 "d", d, sink));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(d.nDi(), 5);
    EXPECT_EQ(d.first, (std::vector<Byte>{97, 255, 98, 97, 32}));
    EXPECT_EQ(d.second, (std::vector<Byte>{98, 0, 97, 98, 97}));
    EXPECT_EQ(d.count, (std::vector<Long>{1000, -5, 2147483647, -2, 1}));

    ASSERT_TRUE(LoadDiGraphsText("h\r\n", "d", d, sink));
    EXPECT_EQ(d.nDi(), 0);
    EXPECT_TRUE(d.count.empty());
}

// Each field of a trigram line lands in its own table, in file order; counts are not negative.
TEST(LoadTriGraphs, FieldsFillTheirTablesInFileOrder) {
    TrigraphTables t;
    RecordingSink sink;
    ASSERT_TRUE(LoadTriGraphsText(
        CrLf({"h", "1\t2\t3\t4", "255\t0\t7\t2147483647\tx", "9\t8\t6\t0"}), "t", t, sink));
    EXPECT_EQ(t.first, (std::vector<Byte>{1, 255, 9}));
    EXPECT_EQ(t.second, (std::vector<Byte>{2, 0, 8}));
    EXPECT_EQ(t.third, (std::vector<Byte>{3, 7, 6}));
    EXPECT_EQ(t.count, (std::vector<Long>{4, 2147483647, 0}));
    for (const auto& [text, fault] :
         {std::pair<std::string, std::string>{"1\t2\t256\t4", "line 2, field 3"},
          {"1\t2\t3\t-1", "line 2, field 4"},
          {"1\t2\t3", "line 2, field 4 is missing"}}) {
        RecordingSink broken;
        EXPECT_FALSE(LoadTriGraphsText(CrLf({"h", text}), "t", t, broken));
        ASSERT_EQ(broken.messages.size(), 1u);
        EXPECT_NE(broken.messages[0].text.find("t, " + fault), std::string::npos)
            << broken.messages[0].text;
    }
}

TEST(LoadKdiAndGj, FillTheirTablesAndSumTheWeights) {
    KdiTable kdi{};
    RecordingSink sink;
    ASSERT_TRUE(LoadKdiText(
        CrLf({"Kdi", "F1\t0\t1\t2\t3\t4", "F2\t10\t11\t12\t13\t14\textra", "F3\t20\t21\t22\t23\t24",
              "F4\t30\t31\t32\t33\t34", "F5\t40\t41\t42\t43\t255", "not read\tx"}),
        "Kdi.txt", kdi, sink));
    EXPECT_EQ(kdi[1][1], 0);
    EXPECT_EQ(kdi[1][5], 4);
    EXPECT_EQ(kdi[2][3], 12);
    EXPECT_EQ(kdi[5][5], 255);

    GjTable gj{};
    Double sum = 99;
    ASSERT_TRUE(LoadGjText(
        test::Lf({"Gj", "V1\t1", "V2\t2\tx", "V3\t3", "V4\t4", "V5\t5", "V6\t6", "garbage"}),
        "Gj.txt", gj, sum, sink));
    EXPECT_EQ(sum, 21);
    EXPECT_EQ(gj, (GjTable{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(sink.messages.empty());
}

// Column weights for columns 0..8 and row weights for rows 0..5, one line per column; the
// last three lines have no row weight.
std::string BestLoadText(const std::string& tenthLine = "") {
    const std::vector<std::string> colW = {"0", "1", "3", "0", "0", "0", "0", "0", "0"};
    const std::vector<std::string> rowW = {"0", "0", "0", "1", "0", "0"};
    std::string text = "Label\tColW\tRowW\r\n";
    for (std::size_t i = 0; i < colW.size(); ++i)
        text += "L\t" + colW[i] + (i < rowW.size() ? "\t" + rowW[i] : "") + "\r\n";
    return text + tenthLine;
}

TEST(LoadBestLoad, SharesAreRowTimesColumnWeightOverTheirSumAndMustFitTheFirst64Keys) {
    // Key 1 on row 3, column 1; key 2 on row 3, column 2; key 3 on row 7 counts nothing.
    const KeyTables keys =
        test::Keyboard({"A\t0\t1\t1\t3\t0", "B\t0\t2\t2\t3\t0", "C\t0\t2\t1\t7\t0"});
    BestLoadTable bestLoad{};
    bestLoad[40] = 5;
    RecordingSink sink;
    ASSERT_TRUE(LoadBestLoadText(BestLoadText("tenth\tnot a number\r\n"), "BestLoad.txt", keys,
                                 bestLoad, sink));
    EXPECT_TRUE(sink.messages.empty());
    BestLoadTable expected{};
    expected[1] = 0.25;
    expected[2] = 0.75;
    EXPECT_EQ(bestLoad, expected);

    // It fails when the shares sum to zero or a weighted key lies beyond key 64.
    const KeyTables offRows = test::Keyboard({"A\t0\t1\t1\t7\t0"});
    const KeyTables zeroColumn = test::Keyboard({"A\t0\t1\t0\t3\t0"});
    const KeyTables none;
    for (const KeyTables* unweighted : {&offRows, &zeroColumn, &none}) {
        RecordingSink failed;
        EXPECT_FALSE(LoadBestLoadText(BestLoadText(), "b", *unweighted, bestLoad, failed));
        ASSERT_EQ(failed.messages.size(), 1u);
        EXPECT_EQ(failed.messages[0].text.rfind(
                      "Error Loading Best Load\r\nb: the target loads sum to 0", 0),
                  0u)
            << failed.messages[0].text;
    }

    std::vector<std::string> defs;
    for (int k = 1; k <= 64; ++k) defs.push_back("K" + std::to_string(k) + "\t0\t1\t1\t3\t0");
    defs.push_back("K65\t0\t1\t1\t9\t0");  // row 9: no target, no fault
    EXPECT_TRUE(LoadBestLoadText(BestLoadText(), "b", test::Keyboard(defs), bestLoad, sink));
    EXPECT_DOUBLE_EQ(bestLoad[64], 1.0 / 64);

    defs.push_back("K66\t0\t1\t2\t3\t0");
    EXPECT_FALSE(LoadBestLoadText(BestLoadText(), "b", test::Keyboard(defs), bestLoad, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("key 66 (\"K66\") lies on row 3, column 2"),
              std::string::npos)
        << sink.messages[0].text;
}

}  // namespace
}  // namespace antkeys
