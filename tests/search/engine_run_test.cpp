// The run loop: new bests, the layout counter, iterations and reinforcement, stop and exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/loaders.hpp"
#include "data/number_format.hpp"
#include "engine_fixture.hpp"
#include "fake_host.hpp"
#include "search/modify_pheromones.hpp"

namespace antkeys {
namespace {

using test::EngineFixture;
using test::FakeHost;

using test::kCaption;

TEST(SearchEngine, FirstLayoutBeatingTheReferenceIsSavedWithCounterZero) {
    EngineFixture f;
    f.ScaleReference(100);  // every layout beats the reference
    FakeHost host(f.engine);
    host.stopAfter = 1;
    ASSERT_TRUE(f.engine.RunEvaluation(host));

    ASSERT_EQ(host.ants.size(), 1u);
    const Single grade = host.ants[0].grade;
    ASSERT_GT(grade, 0);
    EXPECT_EQ(f.engine.iterN(), 1);
    EXPECT_EQ(f.engine.bestKeyGrade(), grade);
    EXPECT_EQ(f.engine.bestKeyLay(), host.ants[0].lay);

    const std::string name = BestLayFileName(grade * 100.0f, 0);
    EXPECT_EQ(f.OutFiles(), (std::vector<std::string>{name, "Pheromones.txt"}));
    EXPECT_NE(f.engine.lastBestLayPath().find(name), std::string::npos);
    Layout back{};
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyLay(f.ws.paths.Out(name), f.ws.keys, back, sink));
    EXPECT_EQ(back, host.ants[0].lay);

    // The caption shows the best grade during the run and is restored at its end.
    EXPECT_EQ(host.captions, (std::vector<std::string>{FormatPercent(grade), kCaption}));
    const CriteriaPanel& panel = f.ws.panel;
    EXPECT_EQ(panel.bestGrade.Text(), panel.difGrade.Text());
    for (std::size_t i = 1; i <= 6; ++i) EXPECT_EQ(panel.vMaxPerc[i].Text(), panel.vPerc[i].Text());

    f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);
}

TEST(SearchEngine, OnlyAStrictlyGreaterGradeIsANewBestAcrossRuns) {
    EngineFixture f;
    FakeHost host(f.engine);
    host.stopAfter = 1500;
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(f.engine.iterN(), 1500);
    host.stopAfter = 3000;  // a second run continues the counter and the best grade
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(f.engine.iterN(), 3000);
    ASSERT_EQ(host.ants.size(), 3000u);

    std::set<std::string> expected = {"Pheromones.txt"};
    Single best = 0;
    int ties = 0;
    int bests = 0;
    for (std::size_t i = 0; i < host.ants.size(); ++i) {
        const Single g = host.ants[i].grade;
        if (g > best) {
            best = g;
            ++bests;
            expected.insert(BestLayFileName(g * 100.0f, static_cast<Long>(i)));
        } else if (g == best && best > 0) {
            ++ties;
        }
    }
    const std::vector<std::string> files = f.OutFiles();
    EXPECT_EQ(std::set<std::string>(files.begin(), files.end()), expected);
    EXPECT_GT(bests, 1);
    EXPECT_GT(ties, 0) << "the data should repeat the best grade";
    EXPECT_EQ(f.engine.bestKeyGrade(), best);
    // Each new best sets the caption once; each run restores it once.
    EXPECT_EQ(host.captions.size(), static_cast<std::size_t>(bests + 2));
    EXPECT_EQ(host.captions.back(), kCaption);
}

// Replays the reinforcements from the recorded layouts: after every `ants` layouts, the
// earliest of the iteration's greatest grades, when above 0, with the factor of that moment.
PheroTable ReplayReinforcement(PheroTable phero, const LetterTables& letters,
                               const std::vector<FakeHost::Ant>& log, std::size_t ants,
                               const std::vector<double>& factors, int& reinforcements) {
    std::size_t iteration = 0;
    for (std::size_t start = 0; start + ants <= log.size(); start += ants, ++iteration) {
        const FakeHost::Ant* best = nullptr;
        for (std::size_t i = start; i < start + ants; ++i)
            if (log[i].grade > (best ? best->grade : 0.0f)) best = &log[i];
        if (!best) continue;
        ModifyPheromones(phero, letters, best->lay, best->grade, factors.at(iteration));
        ++reinforcements;
    }
    return phero;
}

TEST(SearchEngine, IterationsOfAntCountAntsReinforceWithTheirBest) {
    EngineFixture f;
    const PheroTable initial = f.ws.phero;
    FakeHost host(f.engine);
    host.antsText = "7";
    host.stopAfter = 28;
    // The factor is read at every reinforcement.
    host.onLayout = [](FakeHost& h) {
        if (h.layouts == 10) h.modifKText = "0.5";
    };
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(f.engine.antCount(), 7);

    int made = 0;  // a reinforcement only ever follows a whole iteration
    for (const std::string& event : host.log) {
        if (event == "rndkeygen") ++made;
        if (event == "pheromodif") {
            EXPECT_EQ(made % 7, 0);
        }
    }
    int reinforcements = 0;
    EXPECT_EQ(f.ws.phero, ReplayReinforcement(initial, f.ws.letters, host.ants, 7,
                                              {0.1, 0.5, 0.5, 0.5}, reinforcements));
    EXPECT_EQ(host.pheroModifs, reinforcements);
    EXPECT_GT(reinforcements, 0);
}

TEST(SearchEngine, NoReinforcementWhenNoLayoutBeatsTheReference) {
    EngineFixture f;
    f.ScaleReference(1e-3);  // every layout is far worse than the reference
    const PheroTable initial = f.ws.phero;
    FakeHost host(f.engine);
    host.antsText = "5";
    host.stopAfter = 100;
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(host.pheroModifs, 0);
    EXPECT_EQ(f.ws.phero, initial);
    EXPECT_EQ(f.engine.bestKeyGrade(), 0);
    // Only the end of the run wrote the store.
    EXPECT_EQ(f.OutFiles(), (std::vector<std::string>{"Pheromones.txt"}));
    EXPECT_EQ(host.captions, (std::vector<std::string>{kCaption}));
    // The graph box was never ticked: nothing was collected.
    EXPECT_EQ(f.engine.ring().count, 0);
    EXPECT_EQ(f.engine.ring().sum, 0);
    EXPECT_EQ(f.engine.ring().pos, 0);
    EXPECT_TRUE(f.ws.panel.avrgGrade.empty());
}

TEST(SearchEngine, WithoutAcoNothingIsReinforcedOrStoredButBestsAreWritten) {
    EngineFixture f;
    f.ScaleReference(100);
    const PheroTable initial = f.ws.phero;
    FakeHost host(f.engine);
    host.aco = false;
    host.antsText = "1";
    host.stopAfter = 200;
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_TRUE(host.ants.empty()) << "OnRndKeyGen is raised only in ACO mode";
    EXPECT_EQ(host.pheroModifs, 0);
    EXPECT_EQ(f.ws.phero, initial);
    EXPECT_FALSE(f.StoreExists());
    const std::vector<std::string> files = f.OutFiles();
    EXPECT_FALSE(files.empty());
    EXPECT_EQ(f.engine.lastBestLayPath().substr(f.engine.lastBestLayPath().rfind('/') + 1),
              files.back());
}

TEST(SearchEngine, AcoSwitchedOffMidIterationKeepsItsCount) {
    EngineFixture f;
    f.ScaleReference(100);
    FakeHost host(f.engine);
    host.antsText = "4";
    host.stopAfter = 10;
    // Layouts 3 to 6 are made without ACO: ants 1, 2, then 7, 8 complete the iteration.
    host.onLayout = [](FakeHost& h) { h.aco = h.layouts < 2 || h.layouts >= 6; };
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(host.ants.size(), 6u);
    EXPECT_EQ(host.pheroModifs, 1);
    EXPECT_EQ(f.engine.antIdx(), 2);
}

TEST(SearchEngine, StopFinishesThePassInHand) {
    for (const long stopAtYield : {13L, 16L, 18L}) {  // pass 3: before generation, inside
                                                      // the grading, after the counter
        EngineFixture f;
        FakeHost host(f.engine);
        host.drawGraph = true;
        host.onYield = [stopAtYield](FakeHost& h) {
            if (h.yields == stopAtYield) h.engine().RequestStop();
        };
        ASSERT_TRUE(f.engine.RunEvaluation(host));
        EXPECT_EQ(f.engine.iterN(), 3) << stopAtYield;
        EXPECT_EQ(host.ants.size(), 3u);
        EXPECT_EQ(f.engine.ring().count, 3);
        f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);
        EXPECT_EQ(host.log.back(), std::string("caption ") + kCaption);
        EXPECT_EQ(host.exitRequests, 0);
    }
}

TEST(SearchEngine, ExitEndsTheRunThenAsksTheHostToClose) {
    EngineFixture f;
    FakeHost host(f.engine);
    host.onYield = [](FakeHost& h) {
        if (h.yields == 8) h.engine().RequestExit();
    };
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(f.engine.iterN(), 2);
    EXPECT_TRUE(f.engine.exitRequested());
    ASSERT_GE(host.log.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(host.log.end() - 3, host.log.end()),
              (std::vector<std::string>{"rest", std::string("caption ") + kCaption, "exit"}));
    EXPECT_TRUE(f.StoreExists());
}

TEST(SearchEngine, ASecondRunCannotStartInsideTheFirst) {
    EngineFixture f;
    FakeHost host(f.engine);
    host.stopAfter = 3;
    bool nested = true;
    host.onYield = [&nested](FakeHost& h) {
        if (h.yields == 2) nested = h.engine().RunEvaluation(h);
    };
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_FALSE(nested);
    f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(f.engine.iterN(), 3);
}

}  // namespace
}  // namespace antkeys
