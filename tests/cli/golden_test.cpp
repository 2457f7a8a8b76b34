// Every figure and every file of a seeded run must stay exactly what the trusted build made:
// the cases and their stored outputs are in tests/data/golden (see its README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.hpp"
#include "support/temp_folder.hpp"

namespace antkeys::test {
namespace {

namespace fs = std::filesystem;

const std::string kGolden = std::string(ANTKEYS_TEST_DATA) + "/golden";

struct GoldenCase {
    std::string name, inputSet;
    std::vector<std::string> args;
};

std::vector<GoldenCase> ReadCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(kGolden + "/cases.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        GoldenCase c;
        if (!(words >> c.name >> c.inputSet)) continue;
        // POLISH stands for the steepest-descent polish of pair swaps.
        for (std::string word; words >> word;)
            c.args.push_back(word == "POLISH" ? "--polish=swaps" : word);
        cases.push_back(std::move(c));
    }
    return cases;
}

// How ctest lists a case: its command line.
void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.inputSet << ":";
    for (const std::string& a : c.args) *os << ' ' << a;
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesTheStoredOutput) {
    const GoldenCase& c = GetParam();
    TempFolder dir;
    // "bundled:LANG" is the bundled set itself, graded with the layouts made for LANG.
    const bool bundled = c.inputSet.rfind("bundled:", 0) == 0;
    const std::string set = bundled ? c.inputSet.substr(8) : c.inputSet;
    fs::copy(bundled ? BundledSet(set) : kGolden + "/inputs/" + set, dir.path(),
             fs::copy_options::recursive);
    fs::create_directories(fs::path(dir.path()) / "Out");

    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--dir", dir.path()});
    if (args.front() == "evaluate") {
        const std::string layouts = kGolden + "/layouts/" + set;
        for (const auto& [name, content] : FilesIn(layouts)) args.push_back(layouts + "/" + name);

        const CliRun run = RunTool(args);
        std::string printed = run.out + "exit " + std::to_string(run.status) + "\n" + run.err;
        // The stored output names the layouts from the golden folder on.
        const std::string folder = kGolden + "/";
        for (auto at = printed.find(folder); at != std::string::npos; at = printed.find(folder, at))
            printed.erase(at, folder.size());
        EXPECT_EQ(printed, ReadFile(kGolden + "/expected/" + c.name + ".tsv"));
    } else {
        const CliRun run = RunTool(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto written = FilesIn(dir.path() + "/Out");
        const auto expected = FilesIn(kGolden + "/expected/" + c.name);
        std::vector<std::string> writtenNames, expectedNames;
        for (const auto& [name, content] : written) writtenNames.push_back(name);
        for (const auto& [name, content] : expected) expectedNames.push_back(name);
        ASSERT_EQ(writtenNames, expectedNames);
        for (const auto& [name, content] : expected)
            EXPECT_TRUE(written.at(name) == content) << name << " differs";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(ReadCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) {
                             std::string name = param.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             std::replace(name.begin(), name.end(), ':', '_');
                             return name;
                         });

// The folders of tests/data/figures, graded from inside a copy of the folder as their
// expected.tsv was made: `evaluate --dir . --tsv layouts/*`.
class Figures : public ::testing::TestWithParam<std::string> {};

TEST_P(Figures, EvaluateReproducesTheStoredTable) {
    const std::string source = std::string(ANTKEYS_TEST_DATA) + "/figures/" + GetParam();
    TempFolder dir;
    fs::copy(source, dir.path(), fs::copy_options::recursive);
    std::vector<std::string> args = {"evaluate", "--dir", ".", "--tsv"};
    for (const auto& [name, content] : FilesIn(dir.path() + "/layouts"))
        args.push_back("layouts/" + name);
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const CliRun run = RunTool(args);
    fs::current_path(before);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ReadFile(source + "/expected.tsv"));
}

INSTANTIATE_TEST_SUITE_P(Cases, Figures, ::testing::Values("case201", "case202", "case203"),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param;
                         });

}  // namespace
}  // namespace antkeys::test
