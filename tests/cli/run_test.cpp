// antkeys-cli run, in-process: options, loading, the Out folder and repeatable runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "cli/cli.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out, err;
};

Result Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), "run");
    const int status = cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// A program folder holding a copy of the bundled Georgian In folder.
struct ProgramDir {
    test::TempFolder folder;
    ProgramDir() {
        fs::copy(test::BundledSet() + "/In", fs::path(folder.path()) / "In", fs::copy_options::recursive);
    }
    std::string path() const { return folder.path(); }
    std::map<std::string, std::string> Out() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(fs::path(folder.path()) / "Out"))
            files[entry.path().filename().string()] =
                folder.Read("Out/" + entry.path().filename().string());
        return files;
    }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliRun, RejectsBadOptionsWithUsage) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--ants", "x"},
                                               {"--ants", "40000"},
                                               {"--sensitivity", "inf"},
                                               {"--reinforcement"},
                                               {"--layouts", "0"},
                                               {"--seconds", "-1"},
                                               {"--seed", "-5"},
                                               {"--layouts", "5", "--seconds", "5"},
                                               {"--quiet=yes"},
                                               {"--bogus"}}) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(Contains(r.err, "antkeys-cli run: ")) << r.err;
        EXPECT_TRUE(Contains(r.err, "Usage: antkeys-cli run")) << args[0];
        EXPECT_TRUE(r.out.empty());
    }
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Contains(help.out, "--reinforcement K"));
}

TEST(CliRun, LoadFailureIsReportedAndNothingRuns) {
    test::TempFolder empty;
    const Result r = Run({"--dir", empty.path(), "--layouts", "10"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "Fatal Error: Error Loading KeyDefinitions!!!\n")) << r.err;
    EXPECT_FALSE(fs::exists(fs::path(empty.path()) / "Out" / "Pheromones.txt"));
}

TEST(CliRun, SameSeedGivesTheSameOutFolder) {
    ProgramDir a, b;
    const Result ra = Run({"--dir", a.path(), "--seed", "1", "--layouts", "5000", "--quiet"});
    const Result rb = Run({"--dir", b.path(), "--seed", "1", "--layouts", "5000", "--quiet"});
    ASSERT_EQ(ra.status, 0) << ra.err;
    ASSERT_EQ(rb.status, 0) << rb.err;
    const auto outA = a.Out();
    EXPECT_EQ(outA, b.Out());
    ASSERT_TRUE(outA.count("Pheromones.txt"));
    EXPECT_TRUE(Contains(ra.out, "  seed           1\n")) << ra.out;
    EXPECT_TRUE(Contains(ra.out, "Layouts: 5000 in ")) << ra.out;
    EXPECT_TRUE(Contains(ra.out, "--seed 1 --layouts 5000")) << ra.out;

    ProgramDir c;
    const Result rc = Run({"--dir", c.path(), "--seed", "2", "--layouts", "5000", "--quiet"});
    ASSERT_EQ(rc.status, 0);
    EXPECT_NE(c.Out().at("Pheromones.txt"), outA.at("Pheromones.txt"));
}

TEST(CliRun, WithoutAcoNoStoreIsWritten) {
    ProgramDir d;
    const Result r = Run({"--dir", d.path(), "--seed", "3", "--layouts", "300", "--no-aco"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(d.Out().count("Pheromones.txt"));
    EXPECT_TRUE(Contains(r.out, "  ACO            off\n"));
}

TEST(CliRun, SummaryDrawsTheBestLayout) {
    ProgramDir d;
    // A generous reinforcement finds layouts above the reference quickly.
    const Result r = Run({"--dir", d.path(), "--seed", "4", "--layouts", "20000"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = d.Out();
    if (out.size() < 2) GTEST_SKIP() << "no layout beat the reference layout";
    EXPECT_TRUE(Contains(r.out, "Best grade: ")) << r.out;
    // The Georgian letters of the best layout appear as UTF-8 (U+10D0.. is "\xE1\x83").
    EXPECT_TRUE(Contains(r.out, "\xE1\x83")) << r.out;
}

}  // namespace
}  // namespace antkeys
