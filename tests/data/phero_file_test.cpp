#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "data/loaders.hpp"
#include "support/text.hpp"
#include "support/temp_folder.hpp"

namespace antkeys {
namespace {

using test::CrLf;

// 3 keys and 2 letters: values k + j/10 so every entry is distinct.
PheroTable Table3x2() {
    PheroTable phero;
    phero.Resize(3, 1);
    for (int k = 0; k <= 3; ++k)
        for (int j = 0; j <= 1; ++j) phero.at(k, j) = k + j / 10.0;
    return phero;
}

const Message kLoadFailure{"antkeys", "Error Loading Pheromones", true};

TEST(SavePhero, ReplacesTheStoreWholeAndLoadPheroReadsItBackExactly) {
    test::TempFolder folder;
    const std::string path = folder.path() + "/Out/Pheromones.txt";
    PheroTable loaded = Table3x2();
    RecordingSink sink;
    LoadPhero(path, loaded, sink);  // no store yet: nothing changes, nothing is said
    EXPECT_EQ(loaded, Table3x2());

    PheroTable saved = Table3x2();
    saved.at(1, 0) = 1e-100;
    saved.at(1, 1) = 0.25;
    saved.at(2, 0) = 0;
    saved.at(2, 1) = -0.5;
    saved.at(3, 0) = 4.9406564584124654e-324;         // the smallest positive Double
    ASSERT_TRUE(SavePhero(path, true, saved, sink));  // Out is created
    LoadPhero(path, loaded, sink);
    EXPECT_EQ(loaded, saved);

    folder.Write("Out/Pheromones.txt", std::string(1000, 'x'));  // a longer old store
    ASSERT_TRUE(SavePhero(path, true, saved, sink));
    EXPECT_EQ(folder.Read("Out/Pheromones.txt"), GetPheroStr(saved));
    EXPECT_EQ(test::FileCount(folder.path() + "/Out"), 1);  // no temporary file left behind
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LoadPhero, ReplacesTheRowsItReadsAndReportsAShortOrBrokenStore) {
    struct Case {
        std::string content;
        bool reported;
        std::vector<std::tuple<int, int, double>> read;  // (k, j, value) replaced
    };
    const Case cases[] = {
        // Extra values and lines are ignored; an empty line keeps its row.
        {test::Lf({"9\t9\t9", "", "7\t7", "6\t6", "not read"}),
         false,
         {{0, 0, 9}, {0, 1, 9}, {2, 0, 7}, {2, 1, 7}, {3, 0, 6}, {3, 1, 6}}},
        // One line too few: the rows present are kept.
        {CrLf({"9\t9", "8\t8", "7\t7"}),
         true,
         {{0, 0, 9}, {0, 1, 9}, {1, 0, 8}, {1, 1, 8}, {2, 0, 7}, {2, 1, 7}}},
        // A value that is not a number, a line with too few values: what came before stays.
        {CrLf({"9\t9", "8\tx", "7\t7", "6\t6"}), true, {{0, 0, 9}, {0, 1, 9}, {1, 0, 8}}},
        {CrLf({"9\t9", "8"}), true, {{0, 0, 9}, {0, 1, 9}, {1, 0, 8}}},
        {std::string(40000, '1'), true, {}},  // too long for field positions
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content.substr(0, 20));
        PheroTable phero = Table3x2();
        PheroTable expected = Table3x2();
        for (const auto& [k, j, v] : c.read) expected.at(k, j) = v;
        RecordingSink sink;
        LoadPheroText(c.content, phero, sink);
        EXPECT_EQ(phero, expected);
        ASSERT_EQ(sink.messages.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_EQ(sink.messages[0].title, kLoadFailure.title);
            EXPECT_EQ(sink.messages[0].text.rfind(kLoadFailure.text + "\r\nPheromones.txt, line ", 0), 0u)
                << sink.messages[0].text;
        }
    }
}

TEST(SavePhero, WithoutAcoNothingIsWritten) {
    test::TempFolder folder;
    const std::string path = folder.Write("Out/Pheromones.txt", "old store");
    RecordingSink sink;
    EXPECT_TRUE(SavePhero(path, false, Table3x2(), sink));
    EXPECT_EQ(folder.Read("Out/Pheromones.txt"), "old store");
    EXPECT_TRUE(SavePhero(folder.path() + "/Other/Pheromones.txt", false, Table3x2(), sink));
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "/Other"));
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace antkeys
