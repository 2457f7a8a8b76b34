// antkeys-cli improve: the report, the written layout (graded by evaluate as the report says,
// its fixed letters where they were) and the files it refuses to touch.
#include <gtest/gtest.h>

#include <sstream>

#include "data/loaders.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::CliRun;
using test::Contains;
using test::ProgramFolder;
using test::RunTool;

// The reference layout with the first `count` free letters fixed.
std::string WithFixedLetters(std::string reference, int count) {
    for (std::size_t at = 0; count > 0 && (at = reference.find("\t0\r\n", at)) != std::string::npos;
         --count)
        reference.replace(at, 2, "\t1");
    return reference;
}

// The last word of the line that starts with `start`.
std::string LastWordOf(const std::string& text, const std::string& start) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(start, 0) != 0) continue;
        return line.substr(line.find_last_of(' ') + 1);
    }
    return {};
}

TEST(ImproveCommand, WritesALayoutEvaluateGradesAsReportedWithItsFixedLettersInPlace) {
    const ProgramFolder dir("ka");
    const std::string input =
        dir.Write("start.txt", WithFixedLetters(dir.Read("In/RefKeyLay.txt"), 3));
    ASSERT_NE(dir.Read("start.txt"), dir.Read("In/RefKeyLay.txt"));
    const CliRun r = RunTool({"improve", "--dir", dir.path(), input});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Before: 0.00% (absolute ", 0), 0u) << r.out;
    EXPECT_TRUE(Contains(r.out, "  1. swap ")) << r.out;
    const std::string output = dir.path() + "/start-improved.txt";
    EXPECT_TRUE(Contains(r.out, "\nWritten: " + output + "\n")) << r.out;

    // evaluate grades the file as the report's last grade; the header holds it too.
    const std::string after = r.out.substr(r.out.find("After:  ") + 8);
    const std::string grade = after.substr(0, after.find(' '));
    const CliRun e = RunTool({"evaluate", "--dir", dir.path(), output});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(LastWordOf(e.out, output), grade) << e.out;
    EXPECT_EQ(dir.Read("start-improved.txt").rfind(grade + "\r\n", 0), 0u);

    KeyTables keys;
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyDefs(dir.path() + "/In/KeyDefs.txt", keys, sink));
    Layout before{}, improved{};
    CharFlags fixedBefore{}, fixedAfter{};
    ASSERT_TRUE(LoadFixedKeyLay(input, keys, before, fixedBefore, sink));
    ASSERT_TRUE(LoadFixedKeyLay(output, keys, improved, fixedAfter, sink));
    EXPECT_NE(improved, before);
    for (std::size_t c = 0; c < kCharCodes; ++c) {
        if (!fixedBefore[c]) continue;
        EXPECT_EQ(improved[c], before[c]) << "code " << c;
        EXPECT_TRUE(fixedAfter[c]) << "code " << c;
    }

    // The same input, the same report and file; to standard output with -o -.
    const std::string first = dir.Read("start-improved.txt");
    EXPECT_EQ(RunTool({"improve", "--dir", dir.path(), input}).out, r.out);
    EXPECT_EQ(dir.Read("start-improved.txt"), first);
    const CliRun piped = RunTool({"improve", "--dir", dir.path(), input, "-o", "-"});
    EXPECT_EQ(piped.out, first);
    EXPECT_TRUE(Contains(piped.err, "After:  " + grade));
}

TEST(ImproveCommand, RefusesToOverwriteItsInputAndReportsAnUnreadableLayout) {
    const ProgramFolder dir("ka");
    const std::string input = dir.Write("start.txt", dir.Read("In/RefKeyLay.txt"));
    const CliRun same = RunTool({"improve", "--dir", dir.path(), input, "-o", input});
    EXPECT_EQ(same.status, 2);
    EXPECT_TRUE(Contains(same.err, "will not overwrite the input")) << same.err;
    EXPECT_EQ(dir.Read("start.txt"), dir.Read("In/RefKeyLay.txt"));

    const std::string bad = dir.Write("bad.txt", "h\r\n192\tQ\tx\r\n");
    EXPECT_EQ(RunTool({"improve", "--dir", dir.path(), bad}).status, 1);
    EXPECT_EQ(RunTool({"improve", "--dir", dir.path()}).status, 2);
}

}  // namespace
}  // namespace antkeys
