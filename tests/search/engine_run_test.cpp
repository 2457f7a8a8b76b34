// The run loop: new bests, the layout counter, iterations and reinforcement, stop and exit.
// Which layouts become bests in a long run (only a strictly greater grade) is pinned by the
// goldens.
#include <gtest/gtest.h>


#include "data/loaders.hpp"
#include "data/number_format.hpp"
#include "engine_fixture.hpp"
#include "fake_host.hpp"

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
