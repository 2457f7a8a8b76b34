#include <gtest/gtest.h>

#include <string>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "loader_test_support.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

using test::CrLf;

const std::string kHeader = "First\tSecond\tCount";

TEST(LoadDiGraphs, EveryDataLineIsOneEntryInFileOrder) {
    DigraphTables d;
    RecordingSink sink;
    ASSERT_TRUE(LoadDiGraphsText(
        CrLf({kHeader, "97\t98\t1000", "255\t0\t-5\tignored", "97\t98\t2147483647"}), "d", d,
        sink));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(d.nDi(), 3);
    EXPECT_EQ(d.first, (std::vector<Byte>{97, 255, 97}));
    EXPECT_EQ(d.second, (std::vector<Byte>{98, 0, 98}));
    EXPECT_EQ(d.count, (std::vector<Long>{1000, -5, 2147483647}));
}

TEST(LoadDiGraphs, HeaderOnlyGivesNoDigraphs) {
    DigraphTables d;
    d.first = {1};
    d.second = {2};
    d.count = {3};
    RecordingSink sink;
    ASSERT_TRUE(LoadDiGraphsText(kHeader + "\r\n", "d", d, sink));
    EXPECT_EQ(d.nDi(), 0);
    EXPECT_TRUE(d.count.empty());
}

TEST(LoadDiGraphs, BrokenFilesFailWithTheirFixedTitleAndText) {
    const std::pair<std::string, std::string> cases[] = {
        {CrLf({kHeader, "97\t98\t1", ""}),
         "In/DiGraphs.txt, line 3: the line is empty, a digraph was expected"},
        {CrLf({kHeader, "256\t98\t1"}),
         "In/DiGraphs.txt, line 2, field 1: \"256\" is outside 0..255"},
        {CrLf({kHeader, "97\t256\t1"}),
         "In/DiGraphs.txt, line 2, field 2: \"256\" is outside 0..255"},
        {CrLf({kHeader, "97\t98\t2147483648"}),
         "In/DiGraphs.txt, line 2, field 3: \"2147483648\" is outside -2147483648..2147483647"},
        {CrLf({kHeader, "97\t98"}), "In/DiGraphs.txt, line 2, field 3 is missing"},
        {"", "In/DiGraphs.txt: the file is empty, a header line was expected"},
    };
    for (const auto& [content, description] : cases) {
        DigraphTables d;
        RecordingSink sink;
        EXPECT_FALSE(LoadDiGraphsText(content, "In/DiGraphs.txt", d, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, "Error Loading  Digraphs");
        EXPECT_EQ(sink.messages[0].text, "Error Loading Dirgaphs\r\n" + description);
    }
}

TEST(LoadDiGraphs, ReadsAFileAndReportsAMissingOne) {
    test::TempFolder folder;
    DigraphTables d;
    RecordingSink sink;
    EXPECT_FALSE(LoadDiGraphs(folder.path() + "/In/DiGraphs.txt", d, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, msg::kDigraphsTitle);

    const std::string path = folder.Write("In/DiGraphs.txt", test::Lf({kHeader, "1\t2\t3"}));
    ASSERT_TRUE(LoadDiGraphs(path, d, sink));
    EXPECT_EQ(d.nDi(), 1);
}

}  // namespace
}  // namespace antkeys
