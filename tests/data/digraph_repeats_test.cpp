// A digraph listed on several lines (count files joined together) is one entry.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "data/loaders.hpp"
#include "data/text_file.hpp"
#include "loader_test_support.hpp"
#include "support/temp_folder.hpp"
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

// Tables without repeats are read as they always were, so their figures cannot change; a
// file listing every line three times reads as the file with three times the counts.
TEST(DigraphRepeats, BundledFileReadsLineForLineAndRepeatsEqualMultipliedCounts) {
    std::string text, error;
    ASSERT_TRUE(ReadWholeFile(test::BundledSet("ka") + "/In/DiGraphs.txt", text, error));
    const std::size_t bodyStart = text.find('\n') + 1;
    const std::string header = text.substr(0, bodyStart), body = text.substr(bodyStart);
    std::string tripled;
    std::istringstream lines(body);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        long a = 0, b = 0, n = 0;
        fields >> a >> b >> n;
        tripled += std::to_string(a) + "\t" + std::to_string(b) + "\t" + std::to_string(3 * n) +
                   "\r\n";
    }
    RecordingSink sink;
    const DigraphTables once = Load(text, sink);
    const DigraphTables repeated = Load(header + body + body + body, sink);
    const DigraphTables multiplied = Load(header + tripled, sink);
    ASSERT_TRUE(sink.messages.empty());
    EXPECT_EQ(once.nDi(), 950);
    EXPECT_EQ(once.first[1], 32);
    EXPECT_EQ(once.second[1], 193);
    EXPECT_EQ(once.count[1], 8426);
    EXPECT_EQ(repeated.first, multiplied.first);
    EXPECT_EQ(repeated.second, multiplied.second);
    EXPECT_EQ(repeated.count, multiplied.count);
    EXPECT_EQ(repeated.first, once.first);
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
