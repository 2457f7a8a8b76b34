// antkeys-cli evaluate: the table of figures, --tsv and --explain, and what ends a run with
// status 1 or 2.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <sstream>

#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::CliRun;
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

// A layout that cannot be read, or a file that places nothing though it has lines (a
// pheromone store), is reported and skipped; the others are still graded, a header-only
// layout among them.
TEST(EvaluateCommand, TableShowsThePanelFormatsAndSkipsAnUnreadableLayout) {
    const ProgramFolder dir;
    const std::string missing = dir.path() + "/missing.txt";
    // d and e swapped: no one-finger pair is left and no row change, so V4 and V5 are 0.
    const std::string swapped = dir.Write(
        "swapped.txt", "grade\r\n32\tSpace\r\n97\tA\r\n98\tB\r\n99\tC\r\n100\tE\r\n101\tD\r\n");
    const std::string store = dir.Write("store.txt", "0.5\t0.5\r\n0.25\t0.75\r\n0\t1\r\n");
    const std::string empty = dir.Write("empty.txt", "grade\r\n");
    const CliRun r = RunTool({"evaluate", "--dir", dir.path(), missing, store, swapped, empty});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Error Loading Layout: Error Loading Custom Layout from:" + missing, 0),
              0u)
        << r.err;
    EXPECT_TRUE(
        Contains(r.err, "from:" + store + "\nnot a layout file: none of its 2 lines places"))
        << r.err;
    using Row = std::vector<std::string>;
    std::vector<Row> rows;
    for (const std::string& line : Lines(r.out)) {
        std::istringstream cells(line);
        rows.emplace_back(std::istream_iterator<std::string>(cells),
                          std::istream_iterator<std::string>());
    }
    ASSERT_EQ(rows.size(), 4u) << r.out;
    EXPECT_EQ(rows[3][0], empty);
    EXPECT_EQ(rows[0], (Row{"layout", "V1", "V2", "V3", "V4", "V5", "V6", "dV1", "dV2", "dV3",
                            "dV4", "dV5", "dV6", "absolute", "grade"}));
    // V4 and V5 of 0 against positive reference figures are infinitely better.
    EXPECT_EQ(rows[2],
              (Row{swapped, "0.06", "1.00", "0.25", "0.00", "0.00", "0.13", "0.00%", "0.00%",
                   "150.00%", "+\u221E%", "+\u221E%", "200.00%", "0.44", "188.46%"}));
    // Numbers are right-aligned under their headings.
    EXPECT_TRUE(Contains(Lines(r.out)[0], "    grade")) << r.out;
}

TEST(EvaluateExplain, TsvAndTableShowTheFiguresAndTrigramColumnsOnlyWithATrigramFileThatLoads) {
    const ProgramFolder dir(InputSet::Bundled("en").Remove("TriGraphs.txt"));
    const std::string dvorak = test::BundledSet("en") + "/Dvorak.txt";
    // A layout that cannot be read is left out, and the status says so.
    const std::string missing = dir.path() + "/none.txt";
    CliRun r = RunTool({"evaluate", "--dir", dir.path(), "--explain", "--tsv", missing, dvorak});
    EXPECT_EQ(r.status, 1) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;  // the header, the reference and Dvorak
    EXPECT_FALSE(Contains(r.out, missing));
    EXPECT_EQ(lines[0].rfind("file\tsame_finger\trepeats\tsame_hand\talternation\t", 0), 0u);
    EXPECT_FALSE(Contains(lines[0], "redirects"));
    EXPECT_EQ(lines[1].rfind("In/RefKeyLay.txt\t", 0), 0u);
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), '\t'),
              std::count(lines[0].begin(), lines[0].end(), '\t'));

    // With --explain the trigram file must load too.
    dir.Write("In/TriGraphs.txt",
              "code1\tcode2\tcode3\tcount\r\n97\t98\t99\t5\r\n97\t98\tx\t1\r\n");
    r = RunTool({"evaluate", "--dir", dir.path(), "--explain"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "Error Loading Trigraphs")) << r.err;
    EXPECT_TRUE(Contains(r.err, "TriGraphs.txt, line 3, field 3")) << r.err;
    EXPECT_EQ(r.out, "");

    // With a trigram file the table adds the trigram figures, and it shows as many ranks of
    // digraphs as --top asks. Without --dir the program folder comes from $ANTKEYS_HOME.
    dir.Write("In/TriGraphs.txt", test::ReadFile(test::BundledSet("en") + "/In/TriGraphs.txt"));
    ::setenv("ANTKEYS_HOME", dir.path().c_str(), 1);
    r = RunTool({"evaluate", "--explain", "--top", "3"});
    ::unsetenv("ANTKEYS_HOME");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Worst digraphs of In/RefKeyLay.txt:")) << r.out;
    EXPECT_TRUE(Contains(r.out, "alternating_trigrams")) << r.out;
    EXPECT_EQ(Lines(r.out).back().rfind("3 ", 0), 0u) << r.out;  // three ranks, no more
}

}  // namespace
}  // namespace antkeys
