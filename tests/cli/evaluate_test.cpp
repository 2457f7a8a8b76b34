#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <sstream>

#include "support/cli_run.hpp"
#include "support/input_set.hpp"

namespace antkeys {
namespace {

using test::CliRun;
using test::RunTool;

// d and e swapped: no one-finger pair is left and no row change, so V4 and V5 are 0.
const std::string kSwapped =
    "grade\r\n32\tSpace\r\n97\tA\r\n98\tB\r\n99\tC\r\n100\tE\r\n101\tD\r\n";

TEST(EvaluateCommand, TableShowsThePanelFormats) {
    const test::ProgramFolder dir;
    const std::string swapped = dir.Write("swapped.txt", kSwapped);
    const CliRun r = RunTool({"evaluate", "--dir", dir.path(), swapped});
    EXPECT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        rows.emplace_back(std::istream_iterator<std::string>(cells),
                          std::istream_iterator<std::string>());
    }
    using Row = std::vector<std::string>;
    ASSERT_EQ(rows.size(), 3u) << r.out;
    EXPECT_EQ(rows[0], (Row{"layout", "V1", "V2", "V3", "V4", "V5", "V6", "dV1", "dV2", "dV3",
                            "dV4", "dV5", "dV6", "absolute", "grade"}));
    EXPECT_EQ(rows[1],
              (Row{"In/RefKeyLay.txt", "0.06", "1.00", "0.63", "0.25", "0.50", "0.38", "0.00%",
                   "0.00%", "0.00%", "0.00%", "0.00%", "0.00%", "1.81", "0.00%"}));
    // V4 and V5 of 0 against positive reference figures are infinitely better.
    EXPECT_EQ(rows[2],
              (Row{swapped, "0.06", "1.00", "0.25", "0.00", "0.00", "0.13", "0.00%", "0.00%",
                   "150.00%", "+\u221E%", "+\u221E%", "200.00%", "0.44", "188.46%"}));
    // Numbers are right-aligned under their headings.
    const std::string header = r.out.substr(0, r.out.find('\n'));
    EXPECT_NE(header.find("    grade"), std::string::npos) << header;
}

TEST(EvaluateCommand, AnUnreadableLayoutIsReportedAndSkipped) {
    const test::ProgramFolder dir;
    const std::string missing = dir.path() + "/missing.txt";
    const std::string swapped = dir.Write("swapped.txt", kSwapped);
    const CliRun r = RunTool({"evaluate", "--dir", dir.path(), "--tsv", missing, swapped});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Error Loading Layout: Error Loading Custom Layout from:" + missing, 0),
              0u)
        << r.err;
    EXPECT_EQ(r.out.find(missing), std::string::npos);
    EXPECT_NE(r.out.find(swapped + "\t"), std::string::npos);
}

// Key F has a finger the Kdi table has no row for; a->e goes from row 3 to F's row 2 on one
// hand, so a layout with e on F cannot be graded.
TEST(EvaluateAndRender, ALayoutThatCannotBeGradedEndsWithStatusOne) {
    const test::ProgramFolder dir(test::InputSet::Small().Line("KeyDefs.txt", 8, "F\t0\t7\t2\t2\t0"));
    const std::string onF =
        dir.Write("f.txt", "h\r\n32\tSpace\r\n97\tA\r\n98\tB\r\n99\tC\r\n100\tD\r\n101\tF\r\n");
    const CliRun e = RunTool({"evaluate", "--dir", dir.path(), "--tsv", onF});
    EXPECT_EQ(e.status, 1) << e.err;
    EXPECT_NE(e.err.find("finger 7"), std::string::npos) << e.err;
    const CliRun r = RunTool({"render", "--dir", dir.path(), onF, "-o", dir.path() + "/f.svg"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(dir.Read("f.svg").find("Not graded: "), std::string::npos);
}

TEST(EvaluateCommand, AFolderThatDoesNotLoadEndsWithStatusTwo) {
    const test::ProgramFolder dir(test::InputSet::Small().Body("Gj.txt", {"V1\t1"}));
    CliRun r = RunTool({"evaluate", "--dir", dir.path()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("Error Loading  KGj: Error Loading Gj\n", 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");

    r = RunTool({"evaluate", "--dir", dir.path() + "/nowhere"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("Fatal Error: Error Loading KeyDefinitions!!!\n", 0), 0u) << r.err;
}

TEST(EvaluateCommand, DefaultsToTheProgramFolder) {
    const test::ProgramFolder dir;
    ::setenv("ANTKEYS_HOME", dir.path().c_str(), 1);
    const CliRun r = RunTool({"evaluate", "--tsv"});
    ::unsetenv("ANTKEYS_HOME");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("In/RefKeyLay.txt\t0.0625\t"), std::string::npos) << r.out;

}

}  // namespace
}  // namespace antkeys
