// SIGINT and SIGTERM end a run of the real antkeys-cli like the Stop button.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/child_process.hpp"
#include "support/input_set.hpp"

namespace antkeys {
namespace {

void StopsCleanlyOn(int signal) {
    const test::ProgramFolder dir("ka");
    test::ChildProcess child({ANTKEYS_CLI_EXE, "run", "--dir", dir.path(), "--seed", "9", "--quiet"});
    ASSERT_TRUE(child.started());
    // The parameters are printed once the handlers are in place.
    ASSERT_TRUE(child.ReadUntil("  seed           9\n", 30)) << child.output();
    ::usleep(200 * 1000);
    ASSERT_TRUE(child.Signal(signal));
    const int status = child.Wait(30);
    ASSERT_NE(status, -1) << "still running 30 s after the signal";
    ASSERT_TRUE(WIFEXITED(status)) << "killed by the signal instead of stopping";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(child.output().find("Layouts: "), std::string::npos) << child.output();
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir.path()) / "Out/Pheromones.txt"));
}

TEST(CliRunSignals, InterruptEndsTheRunWithItsEndSteps) {
    StopsCleanlyOn(SIGINT);
}
TEST(CliRunSignals, TerminateEndsTheRunWithItsEndSteps) {
    StopsCleanlyOn(SIGTERM);
}

}  // namespace
}  // namespace antkeys
