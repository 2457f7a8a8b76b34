// SIGINT and SIGTERM end a run of the real antkeys-cli like the Stop button.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "test_support.hpp"

extern char** environ;

namespace antkeys {
namespace {

namespace fs = std::filesystem;

struct Child {
    pid_t pid = -1;
    int out = -1;  // the child's stdout
};

Child Spawn(const std::vector<std::string>& args) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Child child;
    if (posix_spawn(&child.pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        child.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    child.out = pipeFds[0];
    return child;
}

// Reads the child's stdout until `marker` has come, or to the end.
bool ReadUntil(int fd, const std::string& marker, std::string& text) {
    char buffer[4096];
    while (text.find(marker) == std::string::npos) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return false;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

void StopsCleanlyOn(int signal) {
    test::TempFolder dir;
    fs::copy(test::BundledSet() + "/In", fs::path(dir.path()) / "In", fs::copy_options::recursive);
    Child child = Spawn({ANTKEYS_CLI_EXE, "run", "--dir", dir.path(), "--seed", "9", "--quiet"});
    ASSERT_GT(child.pid, 0);
    std::string text;
    // The parameters are printed once the handlers are in place.
    ASSERT_TRUE(ReadUntil(child.out, "  seed           9\n", text)) << text;
    ::usleep(200 * 1000);
    ASSERT_EQ(::kill(child.pid, signal), 0);
    ReadUntil(child.out, "\x01never", text);
    ::close(child.out);
    int status = 0;
    ASSERT_EQ(::waitpid(child.pid, &status, 0), child.pid);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by the signal instead of stopping";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(text.find("Layouts: "), std::string::npos) << text;
    EXPECT_TRUE(fs::exists(fs::path(dir.path()) / "Out" / "Pheromones.txt"));
}

TEST(CliRunSignals, InterruptEndsTheRunWithItsEndSteps) {
    StopsCleanlyOn(SIGINT);
}
TEST(CliRunSignals, TerminateEndsTheRunWithItsEndSteps) {
    StopsCleanlyOn(SIGTERM);
}

}  // namespace
}  // namespace antkeys
