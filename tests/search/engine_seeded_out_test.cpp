// The window's run loop, driven through the fake host on the golden input sets, must leave in
// Out exactly what the trusted build left: every best-layout file and the store, byte for byte,
// and the same panel texts and captions. The cases edit the boxes, untick ACO and tick Timer1
// during the runs, and start a second run, so the per-pass reads and the autosave are pinned.
// The expected folders were made with the build of commit 14a44df; never regenerate them
// from a build under test (ANTKEYS_RECORD_SEEDED=DIR writes a build's outputs to DIR).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine_fixture.hpp"

namespace antkeys::test {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(ANTKEYS_TEST_DATA);

struct SeededCase {
    const char* name;
    const char* inputSet;
    std::uint64_t seed;
    PolishMode polish;
};

// The panel as the window shows it, the captions the run set, and why each run ended.
std::string PanelReport(const Workspace& ws, const FakeHost& host, const SearchEngine& engine) {
    std::ostringstream out;
    const CriteriaPanel& p = ws.panel;
    for (std::size_t i = 1; i <= 6; ++i)
        out << "V" << i << '\t' << p.v0Perc[i].Text() << '\t' << p.v1[i].Text() << '\t'
            << p.vPerc[i].Text() << '\t' << p.vMaxPerc[i].Text() << '\n';
    out << "grades\t" << p.refGrade.Text() << '\t' << p.currGrade.Text() << '\t'
        << p.difGrade.Text() << '\t' << p.bestGrade.Text() << '\t' << p.avrgGrade.Text() << '\n';
    out << "layouts\t" << engine.iterN() << "\tpheroModifs\t" << host.pheroModifs << "\tmessages\t"
        << host.messages.size() << '\n';
    for (const std::string& line : host.log) out << line << '\n';
    return out.str();
}

// Two runs: the first edits the boxes as it goes, the second continues from what it left.
void RunCase(const SeededCase& c, const std::string& folder, std::string& report) {
    Workspace ws;
    ws.paths.folder = folder;
    RecordingSink sink;
    ASSERT_TRUE(LoadWorkspace(ws, sink));
    Random random(c.seed);
    SearchEngine engine(ws, random);
    engine.SetPolish(c.polish);
    FakeHost host(engine);
    host.antsText = "20";
    host.drawGraph = true;
    host.onLayout = [&engine](FakeHost& h) {
        if (h.layouts % 25 == 0) engine.SecondTick(h);  // a second every 25 layouts
        switch (h.layouts) {
            case 700:
                h.sensText = "0.5";
                break;
            case 900:
                h.sensText = "0,";
                break;  // an edit in progress: the last number holds
            case 1100:
                h.modifKText = "0.3";
                break;
            case 1300:
                h.aco = false;
                break;
            case 1450:
                h.aco = true;
                break;
            case 1600:
                h.antsText = "7";
                break;  // read at the next run's start only
            default:
                break;
        }
    };
    host.stopAfter = 2000;
    ASSERT_TRUE(engine.RunEvaluation(host));
    host.stopAfter = 2600;
    host.sensText = "1.2";
    ASSERT_TRUE(engine.RunEvaluation(host));
    report = PanelReport(ws, host, engine);
}

class SeededOut : public ::testing::TestWithParam<SeededCase> {};

TEST_P(SeededOut, LeavesTheStoredFiles) {
    const SeededCase& c = GetParam();
    TempFolder dir;
    fs::copy(kData + "/golden/inputs/" + c.inputSet, dir.path(), fs::copy_options::recursive);
    fs::create_directories(fs::path(dir.path()) / "Out");
    std::string report;
    RunCase(c, dir.path(), report);
    std::map<std::string, std::string> files = FilesIn(dir.path() + "/Out");
    files["panel.txt"] = report;

    if (const char* record = std::getenv("ANTKEYS_RECORD_SEEDED")) {
        const fs::path to = fs::path(record) / c.name;
        fs::create_directories(to);
        for (const auto& [name, content] : files)
            std::ofstream(to / name, std::ios::binary) << content;
        return;
    }
    const std::map<std::string, std::string> expected =
        FilesIn(kData + "/seeded/" + std::string(c.name));
    ASSERT_FALSE(expected.empty()) << "no stored outputs for " << c.name;
    EXPECT_EQ(files.size(), expected.size());
    for (const auto& [name, content] : expected) {
        const auto found = files.find(name);
        ASSERT_NE(found, files.end()) << c.name << ": " << name << " was not written";
        EXPECT_TRUE(found->second == content) << c.name << ": " << name << " differs";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SeededOut,
                         ::testing::Values(SeededCase{"ka-plain", "ka", 5, PolishMode::Off},
                                           SeededCase{"en-plain", "en", 6, PolishMode::Off},
                                           SeededCase{"r2-plain", "r2", 7, PolishMode::Off},
                                           SeededCase{"ka-swaps", "ka", 8, PolishMode::Swaps},
                                           SeededCase{"en-full", "en", 9, PolishMode::Full},
                                           SeededCase{"ka-full", "ka", 10, PolishMode::Full}),
                         [](const ::testing::TestParamInfo<SeededCase>& param) {
                             std::string name = param.param.name;
                             for (char& ch : name)
                                 if (ch == '-') ch = '_';
                             return name;
                         });

}  // namespace
}  // namespace antkeys::test
