// antkeys-cli run --colonies, in-process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <regex>

#include "search/colony_run.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::Contains;
using test::ProgramFolder;
const auto RunCommand = test::RunSearchCommand;

namespace fs = std::filesystem;

// The colonies' scratch folders of this process.
int ScratchFolders() {
    int n = 0;
    const std::string prefix = "antkeys-colonies-" + std::to_string(::getpid()) + "-";
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path()))
        n += entry.path().filename().string().rfind(prefix, 0) == 0;
    return n;
}

// What a seed and a count give (one colony or several) is pinned by the goldens; here, what the run reports and that
// it leaves no scratch folder behind.
TEST(RunColonies, ReportsEachColonyAndCleansUp) {
    const ProgramFolder d("en");
    const test::CliRun r = RunCommand(
        {"--dir", d.path(), "--colonies", "2", "--seed", "9", "--layouts", "3000", "--quiet"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(d.Out().count("Pheromones.txt"));
    EXPECT_TRUE(Contains(r.out, "  colonies       2\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Layouts: 6000 (3000 per colony) in ")) << r.out;
    EXPECT_TRUE(Contains(r.out, "  colony 2  seed " + std::to_string(ColonySeed(9, 1))));
    EXPECT_TRUE(Contains(r.out, "--colonies 2 --seed 9 --layouts 3000")) << r.out;
    EXPECT_EQ(ScratchFolders(), 0);

    // Random Georgian layouts stay below the reference.
    const ProgramFolder ka("ka");
    const test::CliRun below = RunCommand(
        {"--dir", ka.path(), "--colonies", "2", "--seed", "9", "--layouts", "2000", "--quiet"});
    ASSERT_EQ(below.status, 0) << below.err;
    EXPECT_TRUE(Contains(below.out, "Best grade: no layout graded above the reference layout"))
        << below.out;
}

TEST(RunColonies, ATimeLimitEndsEveryColonyAtTheSameRound) {
    const ProgramFolder d("en");
    const test::CliRun r = RunCommand(
        {"--dir", d.path(), "--colonies", "2", "--seconds", "0.05", "--seed", "1", "--quiet"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"(Layouts: (\d+) \((\d+) per colony\))")))
        << r.out;
    const long total = std::stol(m[1]), each = std::stol(m[2]);
    EXPECT_EQ(total, 2 * each);
    EXPECT_GT(each, 0);
    // Ended at the first step after the limit, long before a round of writes.
    EXPECT_EQ(each % kColonyStep, 0);
    EXPECT_LT(each, kColonyRound);
    EXPECT_TRUE(Contains(r.out, "--layouts " + std::to_string(each))) << r.out;
}

TEST(RunColonies, AColonyThatFailsStopsTheOthersWithoutHanging) {
    // Key B has a finger Kdi has no row for: a layout with a one-hand row change onto it
    // cannot be graded. The reference layout never uses B; generated layouts soon do.
    const test::ProgramFolder dir(
        test::InputSet::Small()
            .Line("KeyDefs.txt", 3, "B\t0\t7\t2\t2\t0")
            .Body("DiGraphs.txt", {"97\t98\t5", "98\t97\t4", "97\t32\t3", "32\t98\t2"})
            .Body("RefKeyLay.txt", {"32\tSpace\t1", "97\tA\t0", "98\tC\t0"}));
    const test::CliRun r = RunCommand(
        {"--dir", dir.path(), "--colonies", "2", "--seed", "1", "--layouts", "50000", "--quiet"});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_TRUE(Contains(r.err, "colony 1: ")) << r.err;
    EXPECT_TRUE(Contains(r.err, "colony 2: ")) << r.err;
    EXPECT_EQ(ScratchFolders(), 0);
}

TEST(RunColonies, SeedsDifferPerColonyAndCountsAreKept) {
    EXPECT_EQ(ColonyCount(3), 3);
    EXPECT_GE(ColonyCount(0), 1);
    EXPECT_EQ(ColonySeed(77, 0), 77u);
    EXPECT_NE(ColonySeed(77, 1), ColonySeed(77, 2));
    EXPECT_NE(ColonySeed(77, 1), ColonySeed(78, 1));
}

}  // namespace
}  // namespace antkeys
