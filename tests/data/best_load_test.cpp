#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "loader_test_support.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

// Column weights for columns 0..8 and row weights for rows 0..5, one line per column.
std::string BestLoadText(const std::vector<std::string>& colW,
                         const std::vector<std::string>& rowW) {
    std::string text = "Label\tColW\tRowW\r\n";
    for (std::size_t i = 0; i < colW.size(); ++i) {
        text += "L" + std::to_string(i) + "\t" + colW[i];
        if (i < rowW.size()) text += "\t" + rowW[i];
        text += "\r\n";
    }
    return text;
}

const std::vector<std::string> kColW = {"0", "1", "3", "0", "0", "0", "0", "0", "0"};
const std::vector<std::string> kRowW = {"0", "0", "0", "1", "0", "0"};

TEST(LoadBestLoad, SharesAreRowTimesColumnWeightOverTheirSum) {
    // Key 1 on row 3, column 1; key 2 on row 3, column 2; key 3 on row 7 counts nothing.
    const KeyTables keys =
        test::Keyboard({"A\t0\t1\t1\t3\t0", "B\t0\t2\t2\t3\t0", "C\t0\t2\t1\t7\t0"});
    BestLoadTable bestLoad{};
    bestLoad[40] = 5;
    RecordingSink sink;
    ASSERT_TRUE(LoadBestLoadText(BestLoadText(kColW, kRowW), "BestLoad.txt", keys, bestLoad, sink));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(bestLoad[1], 0.25);
    EXPECT_EQ(bestLoad[2], 0.75);
    for (std::size_t k = 0; k < bestLoad.size(); ++k) {
        if (k != 1 && k != 2) {
            EXPECT_EQ(bestLoad[k], 0) << k;
        }
    }
}

TEST(LoadBestLoad, ReadsNineDataLinesAndOnlyTwoFieldsOnTheLastThree) {
    const KeyTables keys = test::Keyboard({"A\t0\t1\t1\t3\t0", "B\t0\t2\t2\t3\t0"});
    BestLoadTable bestLoad{};
    RecordingSink sink;
    std::string tenLines = BestLoadText(kColW, kRowW) + "tenth\tnot a number\r\n";
    EXPECT_TRUE(LoadBestLoadText(tenLines, "b", keys, bestLoad, sink));

    std::vector<std::string> eight(kColW.begin(), kColW.end() - 1);
    EXPECT_FALSE(LoadBestLoadText(BestLoadText(eight, kRowW), "b", keys, bestLoad, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "Error Loading  Best Load");
    EXPECT_EQ(sink.messages[0].text,
              "Error Loading Best Load\r\nb, line 10: missing, the file ends after line 9 (9 data "
              "lines follow the header)");

    // Line 6 (row 5) still needs its row weight.
    std::vector<std::string> fiveRows(kRowW.begin(), kRowW.end() - 1);
    EXPECT_FALSE(LoadBestLoadText(BestLoadText(kColW, fiveRows), "b", keys, bestLoad, sink));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].text, "Error Loading Best Load\r\nb, line 7, field 3 is missing");
}

TEST(LoadBestLoad, FailsWhenTheSharesSumToZero) {
    auto expectZeroSum = [](const KeyTables& keys) {
        BestLoadTable bestLoad{};
        RecordingSink sink;
        EXPECT_FALSE(LoadBestLoadText(BestLoadText(kColW, kRowW), "b", keys, bestLoad, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text.rfind(
                      "Error Loading Best Load\r\nb: the target loads sum to 0", 0),
                  0u)
            << sink.messages[0].text;
    };
    expectZeroSum(test::Keyboard({"A\t0\t1\t1\t7\t0"}));  // off the weighted rows
    expectZeroSum(test::Keyboard({"A\t0\t1\t0\t3\t0"}));  // column weight 0
    expectZeroSum(KeyTables{});                           // no key definitions
}

TEST(LoadBestLoad, FailsForAWeightedKeyBeyondSixtyFour) {
    std::vector<std::string> defs;
    for (int k = 1; k <= 64; ++k) defs.push_back("K" + std::to_string(k) + "\t0\t1\t1\t3\t0");
    defs.push_back("K65\t0\t1\t1\t9\t0");  // row 9: no target, no fault
    KeyTables keys;
    RecordingSink sink;
    std::string text = "header\r\n";
    for (const auto& d : defs) text += d + "\r\n";
    ASSERT_TRUE(LoadKeyDefsText(text, "k", keys, sink));
    BestLoadTable bestLoad{};
    EXPECT_TRUE(LoadBestLoadText(BestLoadText(kColW, kRowW), "b", keys, bestLoad, sink));
    EXPECT_DOUBLE_EQ(bestLoad[64], 1.0 / 64);

    text += "K66\t0\t1\t2\t3\t0\r\n";
    ASSERT_TRUE(LoadKeyDefsText(text, "k", keys, sink));
    EXPECT_FALSE(LoadBestLoadText(BestLoadText(kColW, kRowW), "b", keys, bestLoad, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("key 66 (\"K66\") lies on row 3, column 2"),
              std::string::npos)
        << sink.messages[0].text;
}

TEST(LoadBestLoad, AMissingFileClearsTheTableAndIsReported) {
    test::TempFolder folder;
    const KeyTables keys = test::Keyboard({"A\t0\t1\t1\t3\t0"});
    BestLoadTable bestLoad{};
    bestLoad[1] = 1;
    RecordingSink sink;
    EXPECT_FALSE(LoadBestLoad(folder.path() + "/BestLoad.txt", keys, bestLoad, sink));
    EXPECT_EQ(bestLoad, BestLoadTable{});
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, msg::kBestLoadTitle);

    const std::string path = folder.Write("BestLoad.txt", BestLoadText(kColW, kRowW));
    EXPECT_TRUE(LoadBestLoad(path, keys, bestLoad, sink));
    EXPECT_EQ(bestLoad[1], 1);
}

}  // namespace
}  // namespace antkeys
