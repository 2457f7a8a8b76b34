#include <gtest/gtest.h>

#include <vector>

#include "data/messages.hpp"
#include "eval/workspace.hpp"
#include "support/input_set.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"
#include "support/workspaces.hpp"

namespace antkeys {
namespace {

// Two keys on two rows; the reference puts a on key A and b on key B.
test::InputSet TwoRows(const std::string& fingerOfB = "3") {
    return test::InputSet::Small()
        .Body("KeyDefs.txt", {"A\t0\t2\t1\t3\t0", "B\t0\t" + fingerOfB + "\t2\t2\t0"})
        .Body("DiGraphs.txt", {"97\t98\t1", "98\t97\t3"})
        .Body("Kdi.txt", {"1\t0\t0\t0\t0\t0", "2\t0\t0\t7\t0\t0", "3\t0\t5\t0\t0\t0",
                          "4\t0\t0\t0\t0\t0", "5\t0\t0\t0\t0\t0"})
        .Line("BestLoad.txt", 2, "0\t0\t0")
        .Line("BestLoad.txt", 7, "5\t0\t0")
        .Body("RefKeyLay.txt", {"97\tA\t0", "98\tB\t0"});
}

// That a stored table replaces the one the reference builds is pinned by the Georgian run goldens.
TEST(Workspace, LoadsAndShowsTheReferenceFigures) {
    const test::ProgramFolder dir(TwoRows());
    Workspace ws;
    ws.paths.folder = dir.path();
    RecordingSink sink;
    std::string why;
    ASSERT_TRUE(LoadWorkspace(ws, sink, &why)) << why;
    EXPECT_TRUE(sink.messages.empty());
    // Loads 0.75 and 0.25 against targets of 0.5 each. a->b: index to middle, one row up:
    // Kdi(2, 3) = 7 at 0.25; b->a: Kdi(3, 2) = 5 at 0.75.
    EXPECT_EQ(ws.layV.ref, (Criteria{0, 0.125, 1, 1, 0, 7 * 0.25 + 5 * 0.75, 0.25}));
    EXPECT_EQ(ws.panel.v0Perc[5].Text(), "5.50");
    EXPECT_EQ(ws.panel.refGrade.Text(), "6.88");  // 6.875, V2 weighted 0
}

TEST(Workspace, AReferenceThatCannotBeGradedStopsWithoutAMessage) {
    const test::ProgramFolder dir(
        TwoRows("7"));  // b's finger has no Kdi row, and a->b changes rows
    Workspace ws;
    ws.paths.folder = dir.path();
    RecordingSink sink;
    std::string why;
    EXPECT_FALSE(LoadWorkspace(ws, sink, &why));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_NE(why.find("finger 7"), std::string::npos) << why;
    EXPECT_TRUE(ws.panel.refGrade.empty());
}

// Each step of the load in turn is broken (a missing file) with every later file missing too:
// the one message is the broken step's, so no later step was tried. The analyzer comes last.
TEST(Workspace, StopsAtTheFirstFileThatFails) {
    const std::vector<std::pair<std::string, const char*>> order = {
        {"KeyDefs.txt", msg::kKeyDefsTitle},  {"DiGraphs.txt", msg::kDigraphsTitle},
        {"Kdi.txt", msg::kKdiTitle},          {"Gj.txt", msg::kGjTitle},
        {"RefKeyLay.txt", msg::kLayoutTitle}, {"BestLoad.txt", msg::kBestLoadTitle}};
    for (std::size_t broken = 0; broken <= order.size(); ++broken) {
        test::InputSet set = TwoRows();
        for (std::size_t later = broken; later < order.size(); ++later)
            set.Remove(order[later].first);
        // Digraphs with no count load, then fail the analyzer, which comes after BestLoad.
        if (broken + 1 >= order.size()) set.Body("DiGraphs.txt", {});
        const test::ProgramFolder dir(set);
        Workspace ws;
        ws.paths.folder = dir.path();
        RecordingSink sink;
        EXPECT_FALSE(LoadWorkspace(ws, sink));
        ASSERT_EQ(sink.messages.size(), 1u) << broken;
        EXPECT_EQ(sink.messages[0].title,
                  broken < order.size() ? order[broken].second : msg::kAnalizerTitle);
    }
}

// The Georgian set ships a learnt store; it must fit the set exactly, since the reader takes
// any store with enough lines and fields, and it must keep every letter off forbidden keys.
TEST(BundledGeorgian, ShippedStoreFitsTheSet) {
    Workspace ws;
    ws.paths.folder = test::BundledSet("ka");
    RecordingSink sink;
    ASSERT_TRUE(LoadWorkspace(ws, sink));
    ASSERT_TRUE(sink.messages.empty());

    // A line with fewer fields would not have loaded, so with these totals no line holds more.
    const std::string store = test::ReadFile(ws.paths.pheromones());
    const int lines = ws.keys.nKeys() + 1;
    EXPECT_EQ(test::CountOf(store, "\n"), lines);
    EXPECT_TRUE(store.ends_with("\r\n"));
    EXPECT_EQ(test::CountOf(store, "\t"), lines * ws.letters.nLet());

    for (int j = 0; j <= ws.letters.nLet(); ++j) {
        double sum = 0;
        for (int k = 0; k <= ws.keys.nKeys(); ++k) {
            const double p = ws.phero.at(k, j);
            if (p > 0) sum += p;
            const auto key = static_cast<std::size_t>(k);
            const bool forbidden = k == 0 || ws.keys.rows[key] < 2 || ws.keys.alters[key] != 0;
            if (ws.letters.letFixKey[static_cast<std::size_t>(j)] == 0 && forbidden) {
                EXPECT_LE(p, 0) << "letter " << j << " on key " << k;
            }
        }
        EXPECT_NEAR(sum, 1.0, 1e-9) << "letter " << j;
    }
}

// Every bundled set loads without a message and the search can place all of its letters.
// (Its reference grades 0 against itself whatever the set holds, so that proves nothing here.)
class BundledSet : public ::testing::TestWithParam<const char*> {};

TEST_P(BundledSet, LoadsAndTheSearchCanPlaceEveryLetter) {
    Workspace ws;
    test::LoadBundled(ws, GetParam());

    std::vector<bool> letter(256, false), taken(static_cast<std::size_t>(ws.keys.nKeys() + 1));
    int free = 0;
    for (int j = 0; j <= ws.letters.nLet(); ++j) {
        const Byte ch = ws.letters.letSet[static_cast<std::size_t>(j)];
        const Byte k = ws.refKeyLay[ch];
        EXPECT_FALSE(letter[ch]) << "code " << int{ch} << " listed twice";
        letter[ch] = true;
        ASSERT_NE(k, 0) << "code " << int{ch} << " names no key";
        EXPECT_FALSE(taken[k]) << "two letters on key " << ws.keys.codes[k];
        taken[k] = true;
        const Integer fixedKey = ws.letters.letFixKey[static_cast<std::size_t>(j)];
        // A free letter never goes back to the number row or the space bar.
        if (fixedKey == 0) {
            ++free;
            EXPECT_GE(ws.keys.rows[k], 2) << "free code " << int{ch} << " on " << ws.keys.codes[k];
            EXPECT_EQ(ws.keys.alters[k], 0) << "free code " << int{ch};
        } else {
            EXPECT_EQ(fixedKey, k);
        }
    }
    int open = 0;  // the keys a free letter may take
    for (int k = 1; k <= ws.keys.nKeys(); ++k) {
        const auto key = static_cast<std::size_t>(k);
        EXPECT_GT(ws.weights.bestLoad[key], 0) << "no target for key " << k;
        bool fixedThere = false;
        for (const Integer fixedKey : ws.letters.letFixKey) fixedThere |= fixedKey == k;
        if (ws.keys.rows[key] >= 2 && ws.keys.alters[key] == 0 && !fixedThere) ++open;
    }
    EXPECT_LE(free, open);
    for (int i = 0; i < ws.digraphs.nDi(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_TRUE(letter[ws.digraphs.first[at]] && letter[ws.digraphs.second[at]])
            << "pair " << int{ws.digraphs.first[at]} << " " << int{ws.digraphs.second[at]};
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, BundledSet,
                         ::testing::Values("ka", "en", "ru", "uk", "hy", "de", "el", "fr"));

}  // namespace
}  // namespace antkeys
