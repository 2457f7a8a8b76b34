#include <gtest/gtest.h>

#include "cli/cli_run.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

TEST(DigraphsCommand, TrigramsFollowTheSameTextAndAlphabet) {
    test::TempFolder dir;
    const std::string alphabet =
        dir.Write("ref.txt", "h\r\n32\tSpace\r\n97\tA\r\n98\tB\r\n99\tC\r\n");
    // Codes: space a b space a b , space a b c space; the comma is not placed.
    const std::string text = dir.Write("t.txt", "Ab  ab, abc");
    const std::string out = dir.path() + "/TriGraphs.txt";
    const test::CliRun r = test::RunTool(
        {"digraphs", "--alphabet", alphabet, "--trigrams", out, "-o", dir.path() + "/d.txt", text});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.Read("TriGraphs.txt"),
              "code1\tcode2\tcode3\tcount\r\n"
              "32\t97\t98\t3\r\n"
              "97\t98\t32\t1\r\n"
              "97\t98\t99\t1\r\n"
              "98\t32\t97\t1\r\n"
              "98\t99\t32\t1\r\n");
    EXPECT_TRUE(test::Contains(r.err, "trigrams: 5 sequences written, 7 occurrences")) << r.err;

    // Without --trigrams nothing more is written.
    EXPECT_EQ(test::RunTool({"digraphs", "-o", dir.path() + "/e.txt", text}).err.find("trigrams"),
              std::string::npos);
}

}  // namespace
}  // namespace antkeys
