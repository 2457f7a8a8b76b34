// Trail limits, resets and the stagnation test, on their own and in a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "data/phero_table.hpp"
#include "engine_fixture.hpp"
#include "search/modify_pheromones.hpp"
#include "search/trail_limits.hpp"

namespace antkeys {
namespace {

// 20 free letters on keys 1..20 (letter j on key j+1 in the layout the tests reinforce), key
// 0 never positive, key 21 forbidden to every letter (0 for even letters, -1 for odd ones),
// and one letter fixed to key 22.
struct Table {
    LetterTables letters;
    PheroTable phero;
    Layout best{};
    static constexpr int kFree = 20, kKeys = 22;
    Table() {
        for (int j = 0; j < kFree; ++j) {
            letters.letSet.push_back(static_cast<Byte>('A' + j));
            letters.letFixKey.push_back(0);
        }
        letters.letSet.push_back('z');
        letters.letFixKey.push_back(kKeys);
        phero.Resize(kKeys, kFree);
        for (int j = 0; j < kFree; ++j) {
            for (int k = 1; k <= kFree; ++k) phero.at(k, j) = 1;
            phero.at(kFree + 1, j) = j % 2 ? -1 : 0;
            NormalizePhero(phero, j);
            best[static_cast<std::size_t>('A' + j)] = static_cast<Byte>(j + 1);
        }
        phero.at(kKeys, kFree) = 1;
        best['z'] = kKeys;
    }
};

// A letter's allowed keys: its column's keys 1..20.
void ExpectAllowedPositiveForbiddenKept(const Table& t, int j) {
    for (int k = 1; k <= Table::kFree; ++k) ASSERT_GT(t.phero.at(k, j), 0) << "key " << k;
    EXPECT_EQ(t.phero.at(0, j), 0);
    EXPECT_EQ(t.phero.at(Table::kFree + 1, j), j % 2 ? -1 : 0);
}

TEST(TrailLimits, KeepEveryAllowedKeyReachableAndForbiddenOnesForbiddenThroughAReset) {
    for (double s : {0.8, 2.0, 5.0, 50.0}) {
        SCOPED_TRACE(s);
        Table t;
        const double spread = TrailSpread(t.phero, t.letters, s);
        EXPECT_LT(spread * s, 1.0);
        // Reinforced by the same layout far past convergence.
        for (int i = 0; i < 2000; ++i) {
            ModifyPheromones(t.phero, t.letters, t.best, 0.5f, 1.0);
            ApplyTrailBounds(t.phero, t.letters, spread);
        }
        for (int j = 0; j < Table::kFree; ++j) {
            SCOPED_TRACE(j);
            ExpectAllowedPositiveForbiddenKept(t, j);
            const double top = t.phero.at(j + 1, j);
            double sum = 0;
            for (int k = 1; k <= Table::kFree; ++k) {
                const double p = t.phero.at(k, j);
                sum += p;
                // A score less than 1 below the top one can still win its draw.
                EXPECT_LT((top - p) * s, 1.0) << "key " << k;
                if (k != j + 1) {
                    EXPECT_LT(p, top) << "the best key stays ahead";
                }
            }
            EXPECT_NEAR(sum, 1.0, 1e-9);
        }

        // A reset raises the allowed pairs of the free letters to one level, and no others.
        t.phero.at(Table::kKeys, Table::kFree) = 0.5;  // the fixed letter's, off any level
        ResetTrails(t.phero, t.letters, 1.0);
        for (int j = 0; j < Table::kFree; ++j) {
            ExpectAllowedPositiveForbiddenKept(t, j);
            for (int k = 1; k <= Table::kFree; ++k) EXPECT_EQ(t.phero.at(k, j), 1.0);
        }
        EXPECT_EQ(t.phero.at(Table::kKeys, Table::kFree), 0.5);
        EXPECT_EQ(BranchingFactor(t.phero, t.letters), Table::kFree);
    }
    // Where the bound binds, the converged columns build the best layout with chance 0.05.
    Table t;
    const double spread = TrailSpread(t.phero, t.letters, 5.0);
    const TrailBounds b = ColumnBounds(Table::kFree, spread);
    EXPECT_NEAR(b.max - b.min, spread, 1e-12);
    const double others = Table::kFree / 2.0 - 1;
    EXPECT_NEAR(std::pow(BestKeyChance(spread * 5.0, others), Table::kFree), kBestLayoutChance,
                1e-6);
}

TEST(StagnationWatch, WantsAConvergedTableAndIdleIterations) {
    StagnationWatch watch(3, 2);
    const Single run = 0.5f;                       // the run's best, above every epoch here
    EXPECT_FALSE(watch.Stagnant(0.2f, 1.0, run));  // the first sets the mark
    EXPECT_FALSE(watch.Stagnant(0.3f, 1.0, run));  // better: idle count starts over
    EXPECT_FALSE(watch.Stagnant(0.3f, 1.0, run));  // equal is not better
    EXPECT_FALSE(watch.Stagnant(0.3f, 3.0, run));  // idle long enough, not converged
    EXPECT_TRUE(watch.Stagnant(0.3f, 1.0, run));   // below the run's best: the short wait
    EXPECT_FALSE(watch.Stagnant(0.1f, 1.0, run));  // starts over: a lower grade is the new mark
}

// Waits per epoch, with a confirmed wait of 4 and an unconfirmed one of 2: the iterations a
// converged epoch settled at `grade` lasts, while the run's best is `runBest`.
int EpochLength(StagnationWatch& watch, Single grade, Single runBest) {
    int n = 1;
    while (!watch.Stagnant(grade, 1.0, runBest)) ++n;
    return n;
}

TEST(StagnationWatch, ConfirmingTheBestDoublesTheWaitAndANewBestStartsItOver) {
    StagnationWatch watch(4, 2);
    EXPECT_EQ(EpochLength(watch, 0.5f, 0.5f), 3);   // the first epoch: nothing to confirm
    EXPECT_EQ(EpochLength(watch, 0.5f, 0.5f), 5);   // settles on the best it began with
    EXPECT_EQ(EpochLength(watch, 0.5f, 0.5f), 9);   // again: twice the wait
    EXPECT_EQ(EpochLength(watch, 0.4f, 0.5f), 3);   // a worse optimum: short,
    EXPECT_EQ(EpochLength(watch, 0.5f, 0.5f), 17);  // and the doubling goes on
    EXPECT_EQ(EpochLength(watch, 0.6f, 0.6f), 3);   // a new best: short, not yet confirmed
    EXPECT_EQ(EpochLength(watch, 0.6f, 0.6f), 5);   // confirmed: the doubling starts over
    watch.Reset();                                  // a new run confirms nothing
    EXPECT_EQ(EpochLength(watch, 0.6f, 0.6f), 3);
}

TEST(StagnationWatch, WaitsAtLeastAsManyIterationsAsTheEpochsPolishMovesToItsBest) {
    StagnationWatch watch(4, 2);
    EXPECT_FALSE(watch.Stagnant(0.1f, 1.0, 0.5f, 3));
    EXPECT_FALSE(watch.Stagnant(0.2f, 1.0, 0.5f, 4));  // its best after 7 moves
    EXPECT_EQ(watch.Wait(), 7);
    EXPECT_FALSE(watch.Stagnant(0.2f, 1.0, 0.5f, 50));  // moves after the best do not count
    EXPECT_EQ(watch.Wait(), 7);
    for (int i = 2; i < 7; ++i) EXPECT_FALSE(watch.Stagnant(0.2f, 1.0, 0.5f, 0));
    EXPECT_TRUE(watch.Stagnant(0.2f, 1.0, 0.5f, 0));
    EXPECT_EQ(watch.Wait(), 2);  // the next epoch counts its own moves
}

TEST(SearchEnginePolish, ARestartKeepsTheBestLayoutAndFlattensTheFreeLetters) {
    test::EngineFixture f;
    f.ScaleReference(2.0);  // every layout beats the reference: every iteration reinforces
    f.engine.SetPolish(PolishMode::Full);
    test::FakeHost host(f.engine);
    host.antsText = "1";
    host.modifKText = "5";
    Layout best{};
    Single bestGrade = 0;
    int checkedRestart = 0;
    Single bestAnt = 0;
    bool polishedAhead = false;  // the best beat every ant so far
    host.onLayout = [&](test::FakeHost& h) {
        SearchEngine& e = h.engine();
        bestAnt = std::max(bestAnt, h.ants.back().grade);
        polishedAhead = polishedAhead || e.bestKeyGrade() > bestAnt;
        EXPECT_GE(e.bestKeyGrade(), bestGrade);
        if (e.restarts() == 1 && checkedRestart == 0) {
            ++checkedRestart;
            EXPECT_EQ(e.bestKeyGrade(), bestGrade);
            EXPECT_EQ(e.bestKeyLay(), best);
            for (int j = 1; j <= 5; ++j) {
                for (int k = 2; k <= 7; ++k) EXPECT_EQ(f.ws.phero.at(k, j), f.ws.phero.at(1, j));
                EXPECT_EQ(f.ws.phero.at(8, j), 0);
            }
        }
        if (e.restarts() >= 2) h.engine().RequestStop();
        best = e.bestKeyLay();
        bestGrade = e.bestKeyGrade();
    };
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(checkedRestart, 1);
    EXPECT_EQ(f.engine.restarts(), 2);
    EXPECT_TRUE(polishedAhead) << "a polished layout becomes the best";
}

// Every layout grades below the reference: each polished iteration best counts as 0 for the
// stagnation test, never as its own negative grade, so the converged table is reset exactly
// kUnconfirmedIterations iterations after the first, however the polished grades vary.
TEST(SearchEnginePolish, IterationBestsBelowTheReferenceCountAsNoneForTheRestart) {
    Workspace ws;
    test::LoadBundled(ws, "en");
    const test::TempFolder folder;
    ws.paths.folder = folder.path();
    for (double& figure : ws.layV.ref) figure *= 0.01;
    // Each free letter's trail converged on its reference key; forbidden keys stay forbidden.
    for (int j = 0; j <= ws.letters.nLet(); ++j) {
        const auto at = static_cast<std::size_t>(j);
        if (ws.letters.letFixKey[at] != 0) continue;
        const int own = ws.refKeyLay[ws.letters.letSet[at]];
        for (int k = 1; k <= ws.phero.nKeys(); ++k)
            if (ws.phero.at(k, j) > 0) ws.phero.at(k, j) = k == own ? 1 : 1e-9;
        NormalizePhero(ws.phero, j);
    }
    ASSERT_LE(BranchingFactor(ws.phero, ws.letters), kConvergedBranching);
    Random random(3);
    SearchEngine engine(ws, random);
    engine.SetPolish(PolishMode::Full);
    test::FakeHost host(engine);
    host.antsText = "1";
    host.sensText = "0";  // ants at random: their polished grades differ
    Long restartedAt = 0;
    host.onLayout = [&](test::FakeHost& h) {
        ASSERT_LT(h.ants.back().grade, 0);
        if (h.engine().restarts() == 0) return;
        restartedAt = h.engine().iterations();
        h.engine().RequestStop();
    };
    host.stopAfter = 2000;
    ASSERT_TRUE(engine.RunEvaluation(host));
    EXPECT_EQ(restartedAt, 1 + kUnconfirmedIterations);
}

}  // namespace
}  // namespace antkeys
