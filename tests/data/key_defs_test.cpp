#include <gtest/gtest.h>

#include <string>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "loader_test_support.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

using test::CrLf;

const std::string kHeader = "Code\tHand\tFinger\tCol\tRow\tAlt";

TEST(LoadKeyDefs, ThreePlainKeysFillEntriesOneToThreeAfterTheDummy) {
    KeyTables keys;
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyDefsText(
        CrLf({kHeader, "Q\t0\t5\t4\t2\t0", "W\t1\t4\t-3\t3\t0", "E\t0\t1\t0\t4\t0\textra"}),
        "KeyDefs.txt", keys, sink));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(keys.nKeys(), 3);
    EXPECT_EQ(keys.codes, (std::vector<std::string>{"", "Q", "W", "E"}));
    EXPECT_EQ(keys.hands, (std::vector<Byte>{0, 0, 1, 0}));
    EXPECT_EQ(keys.fingers, (std::vector<Byte>{0, 5, 4, 1}));
    EXPECT_EQ(keys.cols, (std::vector<Integer>{0, 4, -3, 0}));
    EXPECT_EQ(keys.rows, (std::vector<Integer>{0, 2, 3, 4}));
    EXPECT_EQ(keys.alters, (std::vector<Byte>{0, 0, 0, 0}));
}

TEST(LoadKeyDefs, EveryFlaggedKeyIsFollowedByItsCompanionOnTheOtherHand) {
    KeyTables keys = test::Keyboard({"A\t0\t1\t0\t2\t0", "B\t0\t1\t0\t2\t0", "C\t0\t1\t0\t2\t0",
                                     "D\t0\t1\t0\t2\t0", "L\t0\t3\t2\t4\t1", "H\t3\t2\t1\t3\t-1",
                                     "Z\t1\t1\t0\t2\t0.5"});
    ASSERT_EQ(keys.nKeys(), 10);
    // The flagged left key at 5 and its companion at 6.
    EXPECT_EQ(keys.codes[5], "L");
    EXPECT_EQ(keys.codes[6], "");
    EXPECT_EQ(keys.hands[6], 1);
    EXPECT_EQ(keys.fingers[6], 3);
    EXPECT_EQ(keys.cols[6], 2);
    EXPECT_EQ(keys.rows[6], 4);
    EXPECT_EQ(keys.alters[5], 1);
    EXPECT_EQ(keys.alters[6], 1);
    // A flagged key with hand 3 gets a companion with hand 0; the next definition follows.
    EXPECT_EQ(keys.codes[7], "H");
    EXPECT_EQ(keys.hands[8], 0);
    EXPECT_EQ(keys.codes[9], "Z");
    EXPECT_EQ(keys.hands[10], 0);
    EXPECT_EQ(keys.alters[10], 1);
}

TEST(LoadKeyDefs, HeaderOnlyLoadsNoKeysButAnEmptyFileFails) {
    KeyTables keys;
    RecordingSink sink;
    EXPECT_TRUE(LoadKeyDefsText(kHeader, "KeyDefs.txt", keys, sink));
    EXPECT_EQ(keys.nKeys(), -1);
    EXPECT_TRUE(sink.messages.empty());

    EXPECT_FALSE(LoadKeyDefsText("", "In/KeyDefs.txt", keys, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "Fatal Error");
    EXPECT_EQ(sink.messages[0].text,
              "Error Loading KeyDefinitions!!!\r\nIn/KeyDefs.txt: the file is empty, a header "
              "line was expected");
}

TEST(LoadKeyDefs, ReadsCrLfAndLfFilesAlike) {
    KeyTables crlf, lf;
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyDefsText(CrLf({kHeader, "Q\t0\t5\t4\t2\t1"}), "k", crlf, sink));
    ASSERT_TRUE(LoadKeyDefsText(test::Lf({kHeader, "Q\t0\t5\t4\t2\t1"}), "k", lf, sink));
    EXPECT_EQ(crlf.codes, lf.codes);
    EXPECT_EQ(crlf.alters, lf.alters);
    EXPECT_EQ(lf.nKeys(), 2);
}

struct BrokenKeyDefs {
    std::string content;
    std::string description;
};

TEST(LoadKeyDefs, BrokenFilesFailWithTheLineAndFieldDescribed) {
    const BrokenKeyDefs cases[] = {
        {CrLf({kHeader, "Q\t0\t5\t4\t2\t0", ""}),
         "In/KeyDefs.txt, line 3: the line is empty, a key definition was expected"},
        {CrLf({kHeader, "", "Q\t0\t5\t4\t2\t0"}),
         "In/KeyDefs.txt, line 2: the line is empty, a key definition was expected"},
        {CrLf({kHeader, "Q\t0\t5\t4\t2\t"}),
         "In/KeyDefs.txt, line 2, field 6: the field is empty, a number was expected"},
        {CrLf({kHeader, "Q\t0\t5\t4\t2"}), "In/KeyDefs.txt, line 2, field 6 is missing"},
        {CrLf({kHeader, "Q\t0\tx\t4\t2\t0"}),
         "In/KeyDefs.txt, line 2, field 3: \"x\" is not a number"},
        {CrLf({kHeader, "Q\t256\t5\t4\t2\t0"}),
         "In/KeyDefs.txt, line 2, field 2: \"256\" is outside 0..255"},
        {CrLf({kHeader, "Q\t0\t5\t32768\t2\t0"}),
         "In/KeyDefs.txt, line 2, field 4: \"32768\" is outside -32768..32767"},
        {CrLf({kHeader, "Q\t0\t5\t4\t-32769\t0"}),
         "In/KeyDefs.txt, line 2, field 5: \"-32769\" is outside -32768..32767"},
    };
    for (const auto& c : cases) {
        KeyTables keys;
        RecordingSink sink;
        EXPECT_FALSE(LoadKeyDefsText(c.content, "In/KeyDefs.txt", keys, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, msg::kKeyDefsTitle);
        EXPECT_EQ(sink.messages[0].text, std::string(msg::kKeyDefsText) + "\r\n" + c.description);
    }
}

TEST(LoadKeyDefs, KeepsWhatWasStoredBeforeAFault) {
    KeyTables keys;
    RecordingSink sink;
    EXPECT_FALSE(
        LoadKeyDefsText(CrLf({kHeader, "Q\t0\t5\t4\t2\t0", "W\t1\t9\tx"}), "k", keys, sink));
    ASSERT_EQ(keys.nKeys(), 2);
    EXPECT_EQ(keys.codes[1], "Q");
    EXPECT_EQ(keys.codes[2], "W");
    EXPECT_EQ(keys.fingers[2], 9);
}

TEST(LoadKeyDefs, RefusesALineTooLongForFieldPositions) {
    KeyTables keys;
    RecordingSink sink;
    const std::string longLine = std::string(40000, 'Q') + "\t0\t5\t4\t2\t0";
    EXPECT_FALSE(LoadKeyDefsText(CrLf({kHeader, longLine}), "k", keys, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("k, line 2: the line has 40010 characters"),
              std::string::npos);

    // Just below the limit still loads.
    const std::string longest = std::string(32766 - 10, 'Q') + "\t0\t5\t4\t2\t0";
    ASSERT_EQ(longest.size(), 32766u);
    EXPECT_TRUE(LoadKeyDefsText(CrLf({kHeader, longest}), "k", keys, sink));
}

TEST(LoadKeyDefs, AMissingFileIsReportedWithItsPath) {
    test::TempFolder folder;
    KeyTables keys;
    RecordingSink sink;
    EXPECT_FALSE(LoadKeyDefs(folder.path() + "/In/KeyDefs.txt", keys, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "Fatal Error");
    EXPECT_NE(sink.messages[0].text.find("Error Loading KeyDefinitions!!!\r\ncannot open " +
                                         folder.path() + "/In/KeyDefs.txt"),
              std::string::npos);

    const std::string path = folder.Write("In/KeyDefs.txt", CrLf({kHeader, "Q\t0\t5\t4\t2\t0"}));
    EXPECT_TRUE(LoadKeyDefs(path, keys, sink));
    EXPECT_EQ(keys.nKeys(), 1);
}

TEST(KeyCode2KeyID, FindsTheFirstExactMatchAndZeroOtherwise) {
    KeyTables keys = test::Keyboard(
        {"a\t0\t1\t0\t2\t0", "A\t0\t1\t0\t2\t1", "B\t0\t1\t0\t2\t0", "A\t0\t1\t0\t2\t0"});
    EXPECT_EQ(KeyCode2KeyID(keys, ""), 0);
    EXPECT_EQ(KeyCode2KeyID(keys, "nope"), 0);
    EXPECT_EQ(KeyCode2KeyID(keys, "a"), 1);
    EXPECT_EQ(KeyCode2KeyID(keys, "A"), 2);  // the later duplicate at 5 is never found
    EXPECT_EQ(KeyCode2KeyID(keys, "B"), 4);  // after the companion at 3

    RecordingSink sink;
    EXPECT_EQ(KeyCode2KeyID(keys, "", sink), 0);
    EXPECT_EQ(KeyCode2KeyID(keys, "nope", sink), 0);
    EXPECT_EQ(KeyCode2KeyID(keys, "A", sink), 2);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(KeyCode2KeyID, ReportsLookupsThatCannotWork) {
    RecordingSink sink;
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

}  // namespace
}  // namespace antkeys
