// Improving a layout by hand's rules: which moves the keyboard refuses, and that the improved
// layout keeps its pinned letters, is never worse and is a local optimum of the full grading.
#include <gtest/gtest.h>

#include <random>

#include "engine_fixture.hpp"
#include "search/improve_layout.hpp"
#include "search/layout_moves.hpp"
#include "support/workspaces.hpp"

namespace antkeys {
namespace {

using test::FullGrade;
using test::LoadBundled;

// The oracle's own reading of the rule, kept apart from PlanMove: a letter listed once, not
// fixed by the reference, not pinned, going to a key whose pheromone for it is positive.
struct Oracle {
    const Workspace& ws;
    const CharFlags& pinned;

    int LetterOf(std::size_t c) const {
        int j = -1;
        for (std::size_t i = 0; i < ws.letters.letSet.size(); ++i)
            if (ws.letters.letSet[i] == c) j = j < 0 ? static_cast<int>(i) : -2;
        return j;
    }
    bool Free(std::size_t c) const {
        const int j = LetterOf(c);
        return j >= 0 && ws.letters.letFixKey[static_cast<std::size_t>(j)] == 0 && !pinned[c];
    }
    bool Open(std::size_t c, int key) const {
        return key >= 1 && ws.phero.at(key, LetterOf(c)) > 0;
    }
    // The best full grade of any single allowed swap or relocation of `lay`.
    Single BestNeighbour(const Layout& lay) const {
        Single best = -1e30f;
        std::array<bool, kMaxKeys + 1> used{};
        for (Byte k : lay) used[k] = true;
        for (std::size_t a = 0; a < kCharCodes; ++a) {
            if (lay[a] == 0 || !Free(a)) continue;
            for (std::size_t b = a + 1; b < kCharCodes; ++b) {
                if (lay[b] == 0 || lay[b] == lay[a] || !Free(b) || !Open(a, lay[b]) ||
                    !Open(b, lay[a]))
                    continue;
                Layout t = lay;
                std::swap(t[a], t[b]);
                best = std::max(best, FullGrade(ws, t));
            }
            for (int key = 1; key <= ws.keys.nKeys(); ++key) {
                if (used[static_cast<std::size_t>(key)] || !Open(a, key)) continue;
                Layout t = lay;
                t[a] = static_cast<Byte>(key);
                best = std::max(best, FullGrade(ws, t));
            }
        }
        return best;
    }
};

// A start some allowed moves away from the reference, always the same.
Layout Scrambled(const Workspace& ws, const CharFlags& pinned, int moves) {
    Layout lay = ws.refKeyLay;
    std::mt19937 rng(7);
    for (int done = 0; done < moves;) {
        const auto j = rng() % ws.letters.letSet.size();
        const int key = 1 + static_cast<int>(rng() % static_cast<unsigned>(ws.keys.nKeys()));
        LayoutMove m;
        if (PlanMove(ws, lay, pinned, ws.letters.letSet[j], key, m) != MoveRefusal::Allowed)
            continue;
        ApplyMove(m, lay);
        ++done;
    }
    return lay;
}

TEST(ImproveLayout, KeepsPinsNeverWorsensEndsAtALocalOptimumAndRepeatsItself) {
    for (const char* language : {"ka", "en"}) {
        SCOPED_TRACE(language);
        Workspace ws;
        LoadBundled(ws, language);
        CharFlags pinned{};
        for (std::size_t j : {1u, 4u, 9u}) pinned[ws.letters.letSet[j]] = true;
        const Layout start = Scrambled(ws, pinned, 25);

        const ImproveResult r = ImproveLayout(ws, start, pinned);
        ASSERT_TRUE(r.ok);
        ASSERT_FALSE(r.steps.empty());
        EXPECT_EQ(r.before.grade, FullGrade(ws, start));
        EXPECT_EQ(r.after.grade, FullGrade(ws, r.layout));
        EXPECT_GT(r.after.grade, r.before.grade);

        // The steps replay to the result, each strictly better than the one before.
        Layout replay = start;
        Single last = r.before.grade;
        for (const ImproveStep& s : r.steps) {
            ApplyMove(s.move, replay);
            EXPECT_EQ(s.grade, FullGrade(ws, replay));
            EXPECT_GT(s.grade, last);
            last = s.grade;
        }
        EXPECT_EQ(replay, r.layout);

        const Oracle oracle{ws, pinned};
        for (std::size_t c = 0; c < kCharCodes; ++c)
            if (!oracle.Free(c)) {
                EXPECT_EQ(r.layout[c], start[c]) << "code " << c;
            }
        EXPECT_LE(oracle.BestNeighbour(r.layout), r.after.grade);

        const ImproveResult again = ImproveLayout(ws, start, pinned);
        EXPECT_EQ(again.layout, r.layout);
        EXPECT_EQ(again.steps.size(), r.steps.size());
    }
}

TEST(ImproveLayout, EveryLetterPinnedOrAStopLeavesTheStart) {
    Workspace ws;
    LoadBundled(ws, "ka");
    CharFlags all{};
    all.fill(true);
    const ImproveResult pinned = ImproveLayout(ws, ws.refKeyLay, all);
    EXPECT_TRUE(pinned.ok && pinned.steps.empty() && pinned.layout == ws.refKeyLay);
    const std::atomic<bool> stop{true};
    const ImproveResult stopped = ImproveLayout(ws, ws.refKeyLay, CharFlags{}, &stop);
    EXPECT_TRUE(stopped.stopped && stopped.steps.empty());
}

// The engine fixture: 'a' fixed to key 8, 'b'..'f' on keys 1..5 ('e' on 4), keys 6 and 7 empty, key
// 8 closed to the free letters.
TEST(PlanMove, SwapsRelocatesAndRefusesWhatTheKeyboardForbids) {
    test::EngineFixture f;
    const Layout& lay = f.ws.refKeyLay;
    CharFlags pinned{};
    pinned['e'] = true;
    LayoutMove m;
    ASSERT_EQ(PlanMove(f.ws, lay, pinned, 'b', 3, m), MoveRefusal::Allowed);
    EXPECT_EQ(m, (LayoutMove{LayoutMove::Kind::Swap, 'b', 'd', 1, 3}));
    ASSERT_EQ(PlanMove(f.ws, lay, pinned, 'c', 6, m), MoveRefusal::Allowed);
    EXPECT_EQ(m, (LayoutMove{LayoutMove::Kind::Relocation, 'c', 0, 2, 6}));

    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'a', 6, m), MoveRefusal::Fixed);
    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'e', 6, m), MoveRefusal::Pinned);
    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'b', 4, m), MoveRefusal::KeyTaken);  // 'e' is pinned
    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'b', 8, m), MoveRefusal::KeyForbidden);
    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'b', 9, m), MoveRefusal::NoSuchKey);
    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'z', 6, m), MoveRefusal::NotALetter);
    f.ws.phero.at(1, 3) = 0;  // 'd' may not go to 'b''s key
    EXPECT_EQ(PlanMove(f.ws, lay, pinned, 'b', 3, m), MoveRefusal::OtherForbidden);
}

}  // namespace
}  // namespace antkeys
