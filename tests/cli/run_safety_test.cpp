// antkeys-cli run when files cannot be written or read: the exit status and the summary say
// what was not saved, an unusable Out stops the run before it starts, an unreadable store is
// kept.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/messages.hpp"
#include "support/child_process.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

namespace fs = std::filesystem;
using test::Contains;
using test::ProgramFolder;
const auto RunCommand = test::RunSearchCommand;

TEST(CliRunSafety, UnusableOutStopsBeforeTheSearch) {
    ProgramFolder d("en");
    d.Write("Out", "a file");
    const test::CliRun r = RunCommand({"--dir", d.path(), "--layouts", "10"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, msg::kOutFolderText)) << r.err;
    EXPECT_TRUE(Contains(r.err, d.path() + "/Out: it is a file")) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
}

// The same seed finds the same bests; in the second folder every one of their names, and the
// store's, is taken by a folder, so nothing can be written.
TEST(CliRunSafety, NothingSavedGivesStatus3AndASummaryThatSaysSo) {
    const std::vector<std::string> args = {"--seed", "7", "--layouts", "300"};
    ProgramFolder first("en");
    std::vector<std::string> run = {"--dir", first.path()};
    run.insert(run.end(), args.begin(), args.end());
    ASSERT_EQ(RunCommand(run).status, 0);

    ProgramFolder second("en");
    for (const auto& [name, content] : first.Out())
        fs::create_directories(fs::path(second.path()) / "Out" / name);
    run[1] = second.path();
    const test::CliRun r = RunCommand(run);
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_TRUE(Contains(r.out, "  (NOT SAVED: cannot write " + second.path() + "/Out/")) << r.out;
    EXPECT_TRUE(Contains(r.out, "NOT SAVED: the pheromone store")) << r.out;
    EXPECT_TRUE(Contains(r.err, "Error Saving File: This run could not save ")) << r.err;
    EXPECT_FALSE(Contains(r.err, ".tmp")) << r.err;

    const test::CliRun colonies = RunCommand(
        {"--dir", second.path(), "--seed", "7", "--layouts", "200", "--colonies", "2"});
    EXPECT_EQ(colonies.status, 3) << colonies.err;
    EXPECT_TRUE(Contains(colonies.out, "NOT SAVED")) << colonies.out;
}

TEST(CliRunSafety, UnreadableStoreIsNamedKeptAndTemporariesOfKilledRunsRemoved) {
    ProgramFolder d("en");
    const std::string broken = "\xEF\xBB\xBF" "0.5\t0,5\r\n";
    const std::string store = d.Write("Out/Pheromones.txt", broken);
    const std::string stale = "Out/Pheromones.txt.tmp" + std::to_string(test::EndedPid());
    d.Write(stale, "half a store");

    const test::CliRun r = RunCommand({"--dir", d.path(), "--seed", "1", "--layouts", "50"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "Error Loading Pheromones\n" + store + ", line 1, field 2: \"0,5\""))
        << r.err;
    const std::size_t at = r.out.find("Unreadable store moved to: ");
    ASSERT_NE(at, std::string::npos) << r.out;
    const std::string aside = r.out.substr(at + 27, r.out.find('\n', at) - at - 27);
    EXPECT_TRUE(Contains(r.err, aside)) << r.err;
    EXPECT_EQ(d.Read(fs::relative(aside, d.path()).string()), broken);
    EXPECT_NE(d.Read("Out/Pheromones.txt"), broken);
    EXPECT_FALSE(fs::exists(fs::path(d.path()) / stale));
}

}  // namespace
}  // namespace antkeys
