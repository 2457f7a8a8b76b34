// antkeys-cli run: the pieces (the keyboard drawing, the progress line, the host's reports),
// the parameters, polish and colonies; the exit status and the summary when files cannot be
// written or read (an unusable Out is among the refused command lines); and SIGINT and
// SIGTERM, which end a run of the real program like the Stop button.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "cli/keyboard_text.hpp"
#include "cli/run_host.hpp"
#include "cli/run_options.hpp"
#include "data/random.hpp"
#include "eval/workspace.hpp"
#include "search/colony_run.hpp"
#include "support/child_process.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/keyboards.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::Contains;
using test::ProgramFolder;

// `antkeys-cli run` with `args`.
CliRun RunCommand(std::vector<std::string> args) {
    args.insert(args.begin(), "run");
    return test::RunTool(std::move(args));
}

TEST(KeyboardText, DrawsRowsHalfAKeyApartWithTheHandsSplit) {
    // Q W on the left of row 2, E on the right; A left and S right on row 3.
    const KeyTables keys = test::MakeKeys({{"Q", 0, 2, 2, 2},
                                           {"W", 0, 2, 1, 2},
                                           {"E", 1, 2, 1, 2},
                                           {"A", 0, 2, 1, 3},
                                           {"S", 1, 2, 1, 3}});
    Layout lay{};
    lay['q'] = 1;
    lay['w'] = 2;
    lay[192] = 3;  // a Georgian letter
    lay[' '] = 4;  // the space bar's sign
    lay[9] = 2;    // control codes are not drawn
    lay['s'] = 5;
    lay['x'] = 5;  // two characters on one key: the higher code shows
    EXPECT_EQ(cli::KeyboardText(lay, keys, CharacterMap::GeorgianPs()),
              (std::vector<std::string>{"q w   \u10D0", "   \u2423   x"}));
    lay[' '] = 0;
    EXPECT_EQ(cli::KeyboardText(lay, keys, CharacterMap::GeorgianPs()),
              (std::vector<std::string>{"q w   \u10D0", "   \u00B7   x"}));
}

// A letter without a key and a message are each printed once, and the summary at the end
// counts those that came more than once.
TEST(CliRunHost, RepeatedReportsArePrintedOnceAndCountedAtTheEnd) {
    Workspace ws;
    ws.letters.letSet = {'a', 192};
    ws.letters.letFixKey = {0, 0};
    Random random(1);
    SearchEngine engine(ws, random);
    cli::RunOptions options;
    std::ostringstream err;
    cli::CliRunHost host(engine, options, err, false);
    for (const int letter : {1, 1, 0, 1}) host.OnNoCandidate(letter);
    for (int i = 0; i < 3; ++i)
        host.show(Message{"Error Saving File", "Error Saving Pheromones\r\nno room", true});
    host.show(Message{"Error Saving File", "once", true});
    EXPECT_EQ(
        err.str(),
        "ERROR: Unexpected Error In GenRndKey!\nletter 1 (code 192, \u10D0) found no free key "
        "with positive pheromone\n"
        "ERROR: Unexpected Error In GenRndKey!\nletter 0 (code 97, a) found no free key with "
        "positive pheromone\n"
        "Error Saving File: Error Saving Pheromones\nno room\n"
        "Error Saving File: once\n");
    std::ostringstream summary;
    host.PrintRepeats(summary);
    EXPECT_EQ(summary.str(),
              "ERROR: letter 0 (code 97, a) found no free key in 1 layout\n"
              "ERROR: letter 1 (code 192, \u10D0) found no free key in 3 layouts\n"
              "(given 3 times) Error Saving File: Error Saving Pheromones\n");
}

TEST(CliRunHost, ProgressLineSaysWhatIsLeft) {
    cli::RunOptions options;
    EXPECT_EQ(cli::ProgressText(1000, 2.0, "", options),
              "1000 layouts, 500/s, best none yet, 2.0 s (Ctrl+C stops)");
    options.layouts = 5000;
    EXPECT_EQ(cli::ProgressText(1000, 2.0, "3.25%", options),
              "1000 layouts, 500/s, best 3.25%, 4000 layouts left");
    options.layouts.reset();
    options.seconds = 3600;
    EXPECT_EQ(cli::ProgressText(1000, 2.0, "3.25%", options),
              "1000 layouts, 500/s, best 3.25%, 59:58 left");
    EXPECT_EQ(cli::FormatDuration(3725), "1:02:05");
}

// Each parameter reaches its own box of the search and is printed under its own name.
// Without ACO no store is written, but the best layouts are.
TEST(CliRun, EachParameterGoesToItsOwnBox) {
    const std::vector<std::string> args = {"--ants",          "7",   "--sensitivity", "0.5",
                                           "--reinforcement", "0.3", "--no-aco"};
    cli::RunOptions options;
    std::string error;
    ASSERT_TRUE(cli::ParseRunOptions(args, options, error)) << error;
    EXPECT_EQ(options.params.ants, 7);
    EXPECT_EQ(options.params.sensitivity, 0.5);
    EXPECT_EQ(options.params.reinforcement, 0.3);

    const ProgramFolder d("en");
    std::vector<std::string> run = {"--dir",     d.path(), "--seed", "1",
                                    "--layouts", "300",    "--quiet"};
    run.insert(run.end(), args.begin(), args.end());
    const CliRun r = RunCommand(run);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out,
                         "  ants           7\n  sensitivity    0.5\n  reinforcement  0.3\n"
                         "  ACO            off\n  polish         off\n"))
        << r.out;
    EXPECT_TRUE(Contains(r.out,
                         "--ants 7 --sensitivity 0.5 --reinforcement 0.3 --no-aco "
                         "--seed 1 --layouts 300"))
        << r.out;
    const auto out = d.Out();
    EXPECT_FALSE(out.count("Pheromones.txt"));
    EXPECT_FALSE(out.empty()) << "best layouts are still written";
}

// Goldens pin what a seed and a count give (one colony or several, the swaps polish); polished
// colonies must repeat too and report each colony.
TEST(RunColonies, PolishedColoniesRepeatAndReportEachColony) {
    const ProgramFolder a("en"), b("en");
    for (const ProgramFolder* d : {&a, &b}) {
        const CliRun r = RunCommand({"--dir", d->path(), "--polish", "--seed", "11", "--layouts",
                                     "20000", "--quiet", "--colonies", "2"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(Contains(r.out, "  polish         on\n  colonies       2\n")) << r.out;
        EXPECT_TRUE(Contains(r.out, "Layouts: 40000 (20000 per colony) in ")) << r.out;
        EXPECT_TRUE(Contains(r.out, "  colony 2  seed " + std::to_string(ColonySeed(11, 1))));
        EXPECT_TRUE(Contains(r.out, " --polish --colonies 2 --seed 11 --layouts 20000")) << r.out;
    }
    EXPECT_GE(a.Out().size(), 2u);
    EXPECT_TRUE(a.Out() == b.Out());

    // Random Georgian layouts stay below the reference.
    const ProgramFolder ka("ka");
    const CliRun below = RunCommand(
        {"--dir", ka.path(), "--colonies", "2", "--seed", "9", "--layouts", "2000", "--quiet"});
    ASSERT_EQ(below.status, 0) << below.err;
    EXPECT_TRUE(Contains(below.out, "Best grade: no layout graded above the reference layout"))
        << below.out;
}

// With 'auto', one colony per core; the swaps polish is printed and repeated by its name.
TEST(RunColonies, ATimeLimitEndsEveryColonyAtTheSameRound) {
    const ProgramFolder d("en");
    const CliRun r = RunCommand({"--dir", d.path(), "--colonies", "auto", "--polish=swaps",
                                 "--seconds", "0.05", "--seed", "1", "--quiet"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"(Layouts: (\d+) \((\d+) per colony\))")))
        << r.out;
    const long total = std::stol(m[1]), each = std::stol(m[2]);
    EXPECT_EQ(total, ColonyCount(0) * each);
    EXPECT_GT(each, 0);
    // Ended at the first step after the limit, long before a round of writes.
    EXPECT_EQ(each % kColonyStep, 0);
    EXPECT_LT(each, kColonyRound);
    EXPECT_TRUE(Contains(r.out, "  polish         swaps\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "--polish=swaps --colonies " + std::to_string(ColonyCount(0)) +
                                    " --seed 1 --layouts " + std::to_string(each)))
        << r.out;
}

TEST(RunColonies, AColonyThatFailsStopsTheOthersWithoutHanging) {
    // Key B has a finger Kdi has no row for: a layout with a one-hand row change onto it
    // cannot be graded. The reference layout never uses B; generated layouts soon do.
    const ProgramFolder dir(
        test::InputSet::Small()
            .Line("KeyDefs.txt", 3, "B\t0\t7\t2\t2\t0")
            .Body("DiGraphs.txt", {"97\t98\t5", "98\t97\t4", "97\t32\t3", "32\t98\t2"})
            .Body("RefKeyLay.txt", {"32\tSpace\t1", "97\tA\t0", "98\tC\t0"}));
    const CliRun r = RunCommand(
        {"--dir", dir.path(), "--colonies", "2", "--seed", "1", "--layouts", "50000", "--quiet"});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_TRUE(Contains(r.err, "colony 1: ")) << r.err;
    EXPECT_TRUE(Contains(r.err, "colony 2: ")) << r.err;
}

// The same seed finds the same bests; in the second folder every one of their names, and the
// store's, is taken by a folder, so nothing can be written.
TEST(CliRunSafety, NothingSavedGivesStatus3AndASummaryThatSaysSo) {
    ProgramFolder first("en"), second("en");
    ASSERT_EQ(RunCommand({"--dir", first.path(), "--seed", "7", "--layouts", "300"}).status, 0);
    for (const auto& [name, content] : first.Out())
        fs::create_directories(fs::path(second.path()) / "Out" / name);
    const CliRun r = RunCommand({"--dir", second.path(), "--seed", "7", "--layouts", "300"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_TRUE(Contains(r.out, "  (NOT SAVED: cannot write " + second.path() + "/Out/")) << r.out;
    EXPECT_TRUE(Contains(r.out, "NOT SAVED: the pheromone store")) << r.out;
    EXPECT_TRUE(Contains(r.err, "Error Saving File: This run could not save ")) << r.err;

    const CliRun colonies =
        RunCommand({"--dir", second.path(), "--seed", "7", "--layouts", "200", "--colonies", "2"});
    EXPECT_EQ(colonies.status, 3) << colonies.err;
    EXPECT_TRUE(Contains(colonies.out, "NOT SAVED")) << colonies.out;
}

TEST(CliRunSafety, UnreadableStoreIsNamedKeptAndTemporariesOfKilledRunsRemoved) {
    ProgramFolder d("en");
    const std::string broken =
        "\xEF\xBB\xBF"
        "0.5\t0,5\r\n";
    const std::string store = d.Write("Out/Pheromones.txt", broken);
    const std::string stale = "Out/Pheromones.txt.tmp" + std::to_string(test::EndedPid());
    d.Write(stale, "half a store");

    const CliRun r = RunCommand({"--dir", d.path(), "--seed", "1", "--layouts", "50"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        Contains(r.err, "Error Loading Pheromones\n" + store + ", line 1, field 2: \"0,5\""))
        << r.err;
    const std::size_t at = r.out.find("Unreadable store moved to: ");
    ASSERT_NE(at, std::string::npos) << r.out;
    const std::string aside = r.out.substr(at + 27, r.out.find('\n', at) - at - 27);
    EXPECT_TRUE(Contains(r.err, aside)) << r.err;
    EXPECT_EQ(d.Read(fs::relative(aside, d.path()).string()), broken);
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
