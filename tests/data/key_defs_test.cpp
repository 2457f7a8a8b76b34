#include <gtest/gtest.h>

#include <string>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "support/keyboards.hpp"
#include "support/text.hpp"

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

TEST(KeyCode2KeyID, FindsTheFirstExactMatchAndZeroOtherwise) {
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
