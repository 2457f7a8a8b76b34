// antkeys-cli run, in-process: options, loading, the Out folder and repeatable runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "cli/run_options.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::Contains;
using test::ProgramFolder;
const auto RunCommand = test::RunSearchCommand;

namespace fs = std::filesystem;

using Result = test::CliRun;

std::string Names(const std::map<std::string, std::string>& files) {
    std::string names;
    for (const auto& [name, content] : files) names += name + " ";
    return names;
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
        const Result r = RunCommand(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(Contains(r.err, "antkeys-cli run: ")) << r.err;
        EXPECT_TRUE(Contains(r.err, "Usage: antkeys-cli run")) << args[0];
        EXPECT_TRUE(r.out.empty());
    }
    const Result help = RunCommand({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Contains(help.out, "--reinforcement K"));
}

// Each parameter reaches its own box of the search and is printed under its own name.
TEST(CliRun, EachParameterGoesToItsOwnBox) {
    const std::vector<std::string> args = {"--ants", "7", "--sensitivity", "0.5",
                                           "--reinforcement", "0.3"};
    cli::RunOptions options;
    std::string error;
    ASSERT_TRUE(cli::ParseRunOptions(args, options, error)) << error;
    EXPECT_EQ(ParamTextOf(options, ParamBox::Ants), "7");
    EXPECT_EQ(ParamTextOf(options, ParamBox::PheroSens), "0.5");
    EXPECT_EQ(ParamTextOf(options, ParamBox::PheroModifK), "0.3");

    const ProgramFolder d;
    std::vector<std::string> run = {"--dir", d.path(), "--seed", "1", "--layouts", "14", "--quiet"};
    run.insert(run.end(), args.begin(), args.end());
    const Result r = RunCommand(run);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out,
                         "  ants           7\n  sensitivity    0.5\n  reinforcement  0.3\n"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "--ants 7 --sensitivity 0.5 --reinforcement 0.3 ")) << r.out;
}

TEST(CliRun, LoadFailureIsReportedAndNothingRuns) {
    test::TempFolder empty;
    const Result r = RunCommand({"--dir", empty.path(), "--layouts", "10"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "Fatal Error: Error Loading KeyDefinitions!!!\n")) << r.err;
    EXPECT_FALSE(fs::exists(fs::path(empty.path()) / "Out" / "Pheromones.txt"));
}

TEST(CliRun, SameSeedGivesTheSameOutFolder) {
    const ProgramFolder a("en"), b("en"), c("en");
    const std::vector<std::string> args = {"--seed", "1", "--layouts", "5000", "--quiet"};
    auto with = [&args](const ProgramFolder& d) {
        std::vector<std::string> all = {"--dir", d.path()};
        all.insert(all.end(), args.begin(), args.end());
        return all;
    };
    const Result ra = RunCommand(with(a));
    const Result rb = RunCommand(with(b));
    ASSERT_EQ(ra.status, 0) << ra.err;
    ASSERT_EQ(rb.status, 0) << rb.err;
    const auto outA = a.Out();
    const auto outB = b.Out();
    EXPECT_GT(outA.size(), 3u) << "expected several best layouts: " << Names(outA);
    ASSERT_TRUE(outA.count("Pheromones.txt"));
    EXPECT_EQ(Names(outA), Names(outB));
    EXPECT_TRUE(outA == outB) << "same names, different contents";
    EXPECT_TRUE(Contains(ra.out, "  seed           1\n")) << ra.out;
    EXPECT_TRUE(Contains(ra.out, "Layouts: 5000 in ")) << ra.out;
    EXPECT_TRUE(Contains(ra.out, "--seed 1 --layouts 5000")) << ra.out;

    std::vector<std::string> other = with(c);
    other[3] = "2";
    ASSERT_EQ(RunCommand(other).status, 0);
    EXPECT_FALSE(c.Out() == outA) << "another seed, another run";
}

TEST(CliRun, WithoutAcoNoStoreIsWritten) {
    const ProgramFolder d("en");
    const Result r = RunCommand({"--dir", d.path(), "--seed", "3", "--layouts", "300", "--no-aco"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = d.Out();
    EXPECT_FALSE(out.count("Pheromones.txt"));
    EXPECT_FALSE(out.empty()) << "best layouts are still written";
    EXPECT_TRUE(Contains(r.out, "  ACO            off\n"));
}

TEST(CliRun, SummaryDrawsTheBestLayoutOnTheKeyboard) {
    const ProgramFolder d("en");
    const Result r = RunCommand({"--dir", d.path(), "--seed", "4", "--layouts", "2000"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The drawing: the lines between the best grade and the repeat line.
    const std::size_t from = r.out.find("Best grade: ");
    const std::size_t to = r.out.find("Repeat: ");
    ASSERT_NE(from, std::string::npos) << r.out;
    ASSERT_NE(to, std::string::npos) << r.out;
    const std::size_t firstRow = r.out.find('\n', from) + 1;
    const std::string drawing = r.out.substr(firstRow, to - firstRow);
    // Every letter of the English set is on the keyboard exactly once.
    for (char letter = 'a'; letter <= 'z'; ++letter)
        EXPECT_EQ(std::count(drawing.begin(), drawing.end(), letter), 1) << letter << "\n"
                                                                         << drawing;
}

}  // namespace
}  // namespace antkeys
