// The run loop: new bests, the layout counter, iterations and reinforcement, the timer's
// saves, stop and exit.
// Which layouts become bests in a long run (a strictly greater grade) the goldens pin.
#include <gtest/gtest.h>

#include "data/loaders.hpp"
#include "data/number_format.hpp"
#include "engine_fixture.hpp"

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
    host.onLayout = [](FakeHost& h) { EXPECT_EQ(h.engine().iterN(), h.layouts); };
    ASSERT_TRUE(f.engine.RunEvaluation(host));

    ASSERT_EQ(host.ants.size(), 1u);
    const Single grade = host.ants[0].grade;
    ASSERT_GT(grade, 0);
    EXPECT_EQ(f.engine.bestKeyGrade(), grade);
    EXPECT_EQ(f.engine.bestKeyLay(), host.ants[0].lay);

    const std::string name = BestLayFileName(grade * 100.0f, 0);
    EXPECT_EQ(f.OutFiles(), (std::vector<std::string>{name, "Pheromones.txt"}));
    EXPECT_NE(f.engine.lastBestLayPath().find(name), std::string::npos);

    // The caption shows the best grade during the run and is restored at its end.
    EXPECT_EQ(host.captions, (std::vector<std::string>{FormatPercent(grade), kCaption}));
    const CriteriaPanel& panel = f.ws.panel;
    EXPECT_EQ(panel.bestGrade.Text(), panel.difGrade.Text());
    for (std::size_t i = 1; i <= 6; ++i) EXPECT_EQ(panel.vMaxPerc[i].Text(), panel.vPerc[i].Text());

    f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);
}

// Timer1 ticks once per layout here; savedAt notes the layouts after which the store appeared.
struct TickingHost : FakeHost {
    std::vector<long> savedAt;

    explicit TickingHost(EngineFixture& f) : FakeHost(f.engine) {
        onLayout = [this, &f](FakeHost& h) {
            h.engine().SecondTick(h);
            if (f.StoreExists()) savedAt.push_back(h.layouts);
            f.RemoveStore();
        };
    }
};

TEST(SearchEngine, WithoutABestNothingIsReinforcedAndOnlyTheTimerAndTheEndSave) {
    EngineFixture f;
    f.ScaleReference(1e-3);  // every layout is far worse than the reference
    const PheroTable initial = f.ws.phero;
    TickingHost t(f);
    // At rest Timer1 neither counts nor saves: the saves below would come earlier.
    for (int i = 0; i < 200; ++i) f.engine.SecondTick(t);

    t.antsText = "5";
    t.stopAfter = 100;
    ASSERT_TRUE(f.engine.RunEvaluation(t));
    EXPECT_EQ(t.pheroModifs, 0);
    EXPECT_EQ(f.ws.phero, initial);
    EXPECT_EQ(f.engine.bestKeyGrade(), 0);
    EXPECT_EQ(t.captions, (std::vector<std::string>{kCaption}));
    EXPECT_EQ(t.savedAt, (std::vector<long>{61}));  // every 61st tick of a run
    EXPECT_EQ(f.engine.autosaveTicks(), 39);
    EXPECT_EQ(f.OutFiles(), (std::vector<std::string>{"Pheromones.txt"}));  // the end's save
    f.RemoveStore();

    // 39 ticks carried over: the next save comes after 22 ticks of the second run.
    t.stopAfter = 130;
    ASSERT_TRUE(f.engine.RunEvaluation(t));
    EXPECT_EQ(t.savedAt, (std::vector<long>{61, 122}));
}

TEST(SearchEngine, WithoutAcoNothingIsReinforcedOrStoredButBestsAreWritten) {
    EngineFixture f;
    f.ScaleReference(100);
    const PheroTable initial = f.ws.phero;
    TickingHost t(f);
    t.aco = false;
    t.antsText = "1";
    t.stopAfter = 130;
    ASSERT_TRUE(f.engine.RunEvaluation(t));
    EXPECT_TRUE(t.ants.empty()) << "OnRndKeyGen is raised only in ACO mode";
    EXPECT_EQ(t.pheroModifs, 0);
    EXPECT_EQ(f.ws.phero, initial);
    EXPECT_TRUE(t.savedAt.empty());
    EXPECT_FALSE(f.StoreExists());
    EXPECT_EQ(f.engine.autosaveTicks(), 8) << "the ticks still count";
    EXPECT_TRUE(std::filesystem::exists(f.engine.lastBestLayPath()));
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

// Stop or a close, asked for in pass 3 before generation, in the grading or after the counter,
// finishes that pass, saves the store, restores the caption; a second run cannot start inside.
TEST(SearchEngine, StopFinishesThePassInHand) {
    for (const bool exit : {false, true}) {
        for (const long stopAtYield : {13L, 16L, 18L}) {
            SCOPED_TRACE(std::to_string(stopAtYield) + (exit ? " exit" : " stop"));
            EngineFixture f;
            FakeHost host(f.engine);
            host.drawGraph = true;
            host.stopAfter = 10;  // ends the run should the request be missed
            bool nested = true;
            host.onYield = [&](FakeHost& h) {
                if (h.yields == 2) nested = h.engine().RunEvaluation(h);
                if (h.yields != stopAtYield) return;
                if (exit)
                    h.engine().RequestExit();
                else
                    h.engine().RequestStop();
            };
            ASSERT_TRUE(f.engine.RunEvaluation(host));
            EXPECT_FALSE(nested);
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(f.engine.iterN(), 3);
            EXPECT_EQ(host.ants.size(), 3u);
            EXPECT_EQ(f.engine.ring().count, 3);
            f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);
            EXPECT_TRUE(f.StoreExists());
            EXPECT_EQ(f.engine.exitRequested(), exit);
            // The close is asked for last, once the caption is back.
            EXPECT_EQ(host.log.back(), exit ? "exit" : std::string("caption ") + kCaption);
        }
    }
}

}  // namespace
}  // namespace antkeys
