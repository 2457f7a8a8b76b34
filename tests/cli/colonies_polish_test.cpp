// antkeys-cli run --colonies and --polish, in-process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>
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

TEST(RunColonies, TheSameSeedAndCountGiveTheSameOutFolder) {
    const ProgramFolder a("en"), b("en");
    const std::vector<std::string> args = {"--colonies", "2",     "--seed", "9",
                                           "--layouts",  "3000", "--quiet"};
    auto with = [&args](const ProgramFolder& d) {
        std::vector<std::string> all = {"--dir", d.path()};
        all.insert(all.end(), args.begin(), args.end());
        return all;
    };
    const test::CliRun ra = RunCommand(with(a));
    const test::CliRun rb = RunCommand(with(b));
    ASSERT_EQ(ra.status, 0) << ra.err;
    ASSERT_EQ(rb.status, 0) << rb.err;
    const auto outA = a.Out();
    EXPECT_TRUE(outA.count("Pheromones.txt"));
    EXPECT_GE(outA.size(), 2u);
    EXPECT_TRUE(outA == b.Out());
    EXPECT_TRUE(Contains(ra.out, "  colonies       2\n")) << ra.out;
    EXPECT_TRUE(Contains(ra.out, "Layouts: 6000 (3000 per colony) in ")) << ra.out;
    EXPECT_TRUE(Contains(ra.out, "  colony 2  seed " + std::to_string(ColonySeed(9, 1))));
    EXPECT_TRUE(Contains(ra.out, "--colonies 2 --seed 9 --layouts 3000")) << ra.out;
    // Everything but the timing and the folder is the same.
    const std::regex timing(R"(in [0-9.:]+( s)? \(\d+ layouts/s\))");
    const auto plain = [&timing](std::string text, const ProgramFolder& d) {
        for (auto at = text.find(d.path()); at != std::string::npos; at = text.find(d.path()))
            text.replace(at, d.path().size(), "DIR");
        return std::regex_replace(text, timing, "");
    };
    EXPECT_EQ(plain(ra.out, a), plain(rb.out, b));
    EXPECT_EQ(ScratchFolders(), 0);
}

TEST(RunColonies, OneColonyFindsWhatAPlainRunFinds) {
    const ProgramFolder plain("en"), colony("en");
    const test::CliRun rp = RunCommand({"--dir", plain.path(), "--seed", "4", "--layouts", "2000"});
    const test::CliRun rc =
        RunCommand({"--dir", colony.path(), "--seed", "4", "--layouts", "2000", "--colonies", "1"});
    ASSERT_EQ(rp.status, 0) << rp.err;
    ASSERT_EQ(rc.status, 0) << rc.err;
    const auto outP = plain.Out();
    const auto outC = colony.Out();
    // The colony writes only the bests standing at the end of a round: here the last one.
    ASSERT_EQ(outC.size(), 2u);
    for (const auto& [name, content] : outC) {
        ASSERT_TRUE(outP.count(name)) << name;
        EXPECT_EQ(outP.at(name), content) << name;
    }
    // The same keyboard drawing of the best layout.
    const auto drawing = [](const std::string& out) {
        const std::size_t from = out.find('\n', out.find("Best grade: "));
        return out.substr(from, out.find("Repeat: ") - from);
    };
    EXPECT_EQ(drawing(rp.out), drawing(rc.out));
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
    EXPECT_EQ(each % kColonyRound, 0);
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

TEST(RunColonies, OptionsAreChecked) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--colonies", "x"},
                                               {"--colonies", "-1"},
                                               {"--colonies", "257"},
                                               {"--colonies"},
                                               {"--polish", "--no-aco"},
                                               {"--polish=1"}}) {
        const test::CliRun r = RunCommand(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(Contains(r.err, "Usage: antkeys-cli run")) << r.err;
    }
    EXPECT_EQ(ColonyCount(3), 3);
    EXPECT_GE(ColonyCount(0), 1);
    EXPECT_EQ(ColonySeed(77, 0), 77u);
    EXPECT_NE(ColonySeed(77, 1), ColonySeed(77, 2));
    EXPECT_NE(ColonySeed(77, 1), ColonySeed(78, 1));
    const test::CliRun help = RunCommand({"--help"});
    EXPECT_TRUE(Contains(help.out, "--colonies N"));
    EXPECT_TRUE(Contains(help.out, "--polish"));
}

TEST(RunPolish, BeatsTheGeorgianReferenceAndSaysSo) {
    const ProgramFolder d("ka");
    const test::CliRun r =
        RunCommand({"--dir", d.path(), "--polish", "--seed", "2", "--layouts", "300", "--quiet"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "  polish         on\n")) << r.out;
    EXPECT_FALSE(Contains(r.out, "no layout graded above")) << r.out;
    EXPECT_TRUE(Contains(r.out, "--polish --seed 2 --layouts 300")) << r.out;
    EXPECT_GE(d.Out().size(), 2u);
}

}  // namespace
}  // namespace antkeys
