#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::Contains;
using test::InputSet;
using test::ProgramFolder;
using test::RunTool;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::size_t Fields(const std::string& line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
}

TEST(EvaluateExplain, TsvHasOneRowPerLayoutAndTrigramColumnsOnlyWithTrigrams) {
    const ProgramFolder dir(InputSet::Bundled("en").Remove("TriGraphs.txt"));
    const std::string dvorak = test::BundledSet("en") + "/Dvorak.txt";
    test::CliRun r = RunTool({"evaluate", "--dir", dir.path(), "--explain", "--tsv", dvorak});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("file\tsame_finger\trepeats\tsame_hand\talternation\t", 0), 0u);
    EXPECT_FALSE(Contains(lines[0], "redirects"));
    EXPECT_EQ(lines[1].rfind("In/RefKeyLay.txt\t", 0), 0u);
    EXPECT_EQ(Fields(lines[1]), Fields(lines[0]));

    // An empty trigram file adds the trigram columns, all 0.
    dir.Write("In/TriGraphs.txt", "code1\tcode2\tcode3\tcount\r\n");
    r = RunTool({"evaluate", "--dir", dir.path(), "--explain", "--tsv"});
    ASSERT_EQ(r.status, 0) << r.err;
    lines = Lines(r.out);
    EXPECT_TRUE(Contains(lines[0], "\tredirects\tone_hand_rolls\talternating_trigrams"));
    EXPECT_EQ(lines[1].substr(lines[1].size() - 6), "\t0\t0\t0");
}

TEST(EvaluateExplain, TableShowsPercentagesAndTheDigraphsAsLetters) {
    const ProgramFolder dir("en");
    const test::CliRun r = RunTool({"evaluate", "--dir", dir.path(), "--explain", "--top", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Worst digraphs of In/RefKeyLay.txt:")) << r.out;
    EXPECT_TRUE(Contains(r.out, "alternating_trigrams")) << r.out;
    EXPECT_TRUE(Contains(r.out, "%"));
    const std::vector<std::string> lines = Lines(r.out);
    EXPECT_EQ(lines.back().rfind("3 ", 0), 0u) << lines.back();  // three ranks, no more
}

TEST(EvaluateExplain, BadInputEndsWithStatusTwoAndAnUnreadableLayoutWithOne) {
    const ProgramFolder dir(InputSet::Small().Text(
        "TriGraphs.txt", "code1\tcode2\tcode3\tcount\r\n97\t98\t99\t5\r\n97\t98\tx\t1\r\n"));
    test::CliRun r = RunTool({"evaluate", "--dir", dir.path(), "--explain"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "Error Loading Trigraphs")) << r.err;
    EXPECT_TRUE(Contains(r.err, "TriGraphs.txt, line 3, field 3")) << r.err;
    EXPECT_EQ(r.out, "");

    const ProgramFolder fine;
    r = RunTool({"evaluate", "--dir", fine.path(), "--explain", "--tsv", fine.path() + "/none.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Lines(r.out).size(), 2u);  // the header and the reference
}

}  // namespace
}  // namespace antkeys
