// antkeys-cli run when files cannot be written or read: the exit status and the summary say
// what was not saved, an unreadable store is kept. An unusable Out is among the refused
// command lines. And SIGINT and SIGTERM end a run of the real program like the Stop button.
#include <gtest/gtest.h>

#include <filesystem>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The same seed finds the same bests; in the second folder every one of their names, and the
// store's, is taken by a folder, so nothing can be written.
TEST(CliRunSafety, NothingSavedGivesStatus3AndASummaryThatSaysSo) {
    ProgramFolder first("en"), second("en");
    ASSERT_EQ(RunCommand({"--dir", first.path(), "--seed", "7", "--layouts", "300"}).status, 0);
    for (const auto& [name, content] : first.Out())
        fs::create_directories(fs::path(second.path()) / "Out" / name);
    const test::CliRun r = RunCommand({"--dir", second.path(), "--seed", "7", "--layouts", "300"});
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

TEST(CliRunSignals, InterruptAndTerminateEndTheRunWithItsEndSteps) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const ProgramFolder dir("ka");
        test::ChildProcess child(
            {ANTKEYS_CLI_EXE, "run", "--dir", dir.path(), "--seed", "9", "--quiet"});
        ASSERT_TRUE(child.started());
        // The parameters are printed once the handlers are in place.
        ASSERT_TRUE(child.ReadUntil("  seed           9\n", 30)) << child.output();
        ::usleep(200 * 1000);
        ASSERT_TRUE(child.Signal(signal));
        const int status = child.Wait(30);
        ASSERT_NE(status, -1) << "still running 30 s after the signal";
        ASSERT_TRUE(WIFEXITED(status)) << "killed by the signal instead of stopping";
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_TRUE(Contains(child.output(), "Layouts: ")) << child.output();
        EXPECT_TRUE(fs::exists(fs::path(dir.path()) / "Out/Pheromones.txt"));
    }
}

}  // namespace
}  // namespace antkeys
