// A digraph listed on several lines (count files joined together) is one entry.
#include <gtest/gtest.h>

#include <string>

#include "data/loaders.hpp"
#include "support/text.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::CrLf;

DigraphTables Load(const std::string& text, RecordingSink& sink) {
    DigraphTables digraphs;
    LoadDiGraphsText(text, "In/DiGraphs.txt", digraphs, sink);
    return digraphs;
}

TEST(DigraphRepeats, RepeatedPairsAddUpAtTheirFirstLine) {
    RecordingSink sink;
    const DigraphTables d = Load(
        CrLf({"h", "97\t98\t5", "98\t99\t7", "97\t98\t6", "098\t99.0\t-2", "32\t97\t1"}), sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(d.first, (std::vector<Byte>{97, 98, 32}));
    EXPECT_EQ(d.second, (std::vector<Byte>{98, 99, 97}));
    EXPECT_EQ(d.count, (std::vector<Long>{11, 5, 1}));
}

TEST(DigraphRepeats, SumBeyondTheCountsRangeFailsNamingThePair) {
    for (const char* last : {"1", "-1"}) {
        const std::string first = last[0] == '-' ? "-2147483648" : "2147483647";
        RecordingSink sink;
        DigraphTables d;
        EXPECT_FALSE(LoadDiGraphsText(CrLf({"h", "7\t8\t" + first, "9\t9\t1", std::string("7\t8\t") + last}),
                                      "In/DiGraphs.txt", d, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_NE(sink.messages[0].text.find("In/DiGraphs.txt, line 4, field 3: the counts of the pair 7 8"),
                  std::string::npos)
            << sink.messages[0].text;
    }
}

}  // namespace
}  // namespace antkeys
