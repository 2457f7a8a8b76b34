// antkeys-cli run, in-process: the parameters, loading and the Out folder.
#include <gtest/gtest.h>

#include <filesystem>

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
    EXPECT_TRUE(Contains(r.out, "  seed           1\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Layouts: 14 in ")) << r.out;
    EXPECT_TRUE(Contains(r.out, "--ants 7 --sensitivity 0.5 --reinforcement 0.3 --seed 1 --layouts 14"))
        << r.out;
}

TEST(CliRun, LoadFailureIsReportedAndNothingRuns) {
    test::TempFolder empty;
    const Result r = RunCommand({"--dir", empty.path(), "--layouts", "10"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "Fatal Error: Error Loading KeyDefinitions!!!\n")) << r.err;
    EXPECT_FALSE(fs::exists(fs::path(empty.path()) / "Out" / "Pheromones.txt"));
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

}  // namespace
}  // namespace antkeys
