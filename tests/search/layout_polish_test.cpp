// Polishing an iteration's best layout: the incremental ranking against full gradings, the
// side-by-side ranking against ranking alone, and the rules a polished layout keeps. What
// --polish runs find is pinned by the goldens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/random.hpp"
#include "search/layout_polish.hpp"
#include "search/relocating_polisher.hpp"
#include "support/workspaces.hpp"

namespace antkeys {
namespace {

using test::FullGrade;
using test::LoadBundled;

// The fastest choice falls back to the portable kernels where the processor has no vector ones.
const KernelChoice kKernelChoices[] = {KernelChoice::kPortable, KernelChoice::kFastest};

// Every swap of two free letters and relocation to an empty key, ranked alone, against a full
// grading; swaps and moves ranked side by side, with each kernel set, for the same figures.
TEST(LayoutPolisher, RankingAloneMatchesFullGradingAndSideBySideTheSameBits) {
    for (const char* language : {"ka", "en"}) {
        Workspace ws;
        LoadBundled(ws, language);
        std::vector<Byte> free;  // the codes of the free letters
        for (std::size_t j = 0; j < ws.letters.letSet.size(); ++j)
            if (ws.letters.letFixKey[j] == 0) free.push_back(ws.letters.letSet[j]);
        ASSERT_GE(free.size(), 4u);
        const Byte standIn = 0;  // a code no digraph and no letter uses, to rank moves with
        for (const auto* codes : {&ws.digraphs.first, &ws.digraphs.second, &ws.letters.letSet})
            ASSERT_EQ(std::count(codes->begin(), codes->end(), standIn), 0);
        Byte shared = 0;  // English's first shared key (the space bar, open to free letters)
        for (int k = ws.keys.nKeys(); k >= 1; --k)
            if (ws.keys.alters[static_cast<std::size_t>(k)] != 0) shared = static_cast<Byte>(k);

        int relocations = 0;
        for (const KernelChoice choice : kKernelChoices) {
            SCOPED_TRACE(std::string(language) +
                         (choice == KernelChoice::kPortable ? " portable" : " fastest"));
            ws.kernels = choice;
            LayoutPolisher polisher(ws);
            RelocatingPolisher relocator(ws);
            const auto fullRatioSum = [&](const Layout& changed) {
                Criteria full{};
                EXPECT_TRUE(ws.analizer.CalcV1_6(changed, full));
                return polisher.RatioSum(full);
            };
            Random random(7);
            GenScratch scratch;
            test::QuietNoCandidate quiet;
            for (int n = 0; n < 4; ++n) {
                Layout lay{};
                GenRndKey(lay, ws.letters, ws.phero, 0.0, random, scratch, quiet);
                if (shared != 0 && n % 2 != 0) {
                    // A letter shares the space bar with the space: it splits its load.
                    lay = ws.refKeyLay;
                    lay[free[static_cast<std::size_t>(n)]] = shared;
                }
                Criteria v{};
                ASSERT_TRUE(ws.analizer.CalcV1_6(lay, v));
                polisher.Prepare(lay);
                polisher.RankSwaps(lay, v);
                int ranked = 0;
                // In the order the polishers rank them: the earlier free letter first.
                for (std::size_t i = 0; i < free.size(); ++i) {
                    for (std::size_t j = i + 1; j < free.size(); ++j) {
                        const Byte a = free[i], b = free[j];
                        const double alone = polisher.SwappedRatioSum(lay, v, a, b);
                        Layout swapped = lay;
                        std::swap(swapped[a], swapped[b]);
                        const double expected = fullRatioSum(swapped);
                        ASSERT_NEAR(alone, expected, 1e-12 * std::abs(expected))
                            << "layout " << n << " swap " << int{a} << "-" << int{b};
                        double s = 0;
                        const bool allowed = polisher.RankedSwap(a, b, s);
                        ASSERT_EQ(allowed, polisher.SwapAllowed(lay, a, b));
                        if (!allowed) continue;
                        ++ranked;
                        ASSERT_EQ(s, alone) << "swap " << int{a} << "-" << int{b};
                    }
                }
                EXPECT_GT(ranked, 0);
                // Every allowed relocation of a letter to an empty key, ranked alone.
                relocator.Prepare(lay);
                for (Byte a : ws.letters.letSet) {
                    for (int key = 0; key <= ws.keys.nKeys() + 1; ++key) {
                        if (!relocator.RelocationAllowed(lay, a, key)) continue;
                        Layout moved = lay;
                        moved[a] = static_cast<Byte>(key);
                        const double expected = fullRatioSum(moved);
                        ASSERT_NEAR(relocator.RelocatedRatioSum(v, a, key), expected,
                                    1e-12 * std::abs(expected))
                            << "layout " << n << " letter " << int{a} << " to key " << key;
                        ++relocations;
                    }
                }
                // Every free letter to every key (the figure does not ask whether the key is
                // empty), in counts that leave some lanes unused.
                std::vector<int> keys;
                for (int k = 1; k <= ws.keys.nKeys(); ++k) keys.push_back(k);
                std::vector<double> sums(keys.size());
                for (Byte a : free) {
                    const std::size_t count = keys.size() - static_cast<std::size_t>(a % 5);
                    polisher.RankMoves(lay, v, a, standIn, keys.data(), nullptr, count,
                                       sums.data());
                    for (std::size_t k = 0; k < count; ++k) {
                        Layout probe = lay;
                        probe[standIn] = static_cast<Byte>(keys[k]);
                        ASSERT_EQ(sums[k], polisher.SwappedRatioSum(probe, v, a, standIn))
                            << "move " << int{a} << " to " << keys[k];
                    }
                }
            }
        }
        EXPECT_GT(relocations, 100);
    }
}

TEST(LayoutPolisher, NeverWorsensNeverMovesAFixedLetterNorUsesAForbiddenKey) {
    Workspace ws;
    LoadBundled(ws, "ka");
    Random random(11);
    // Letter 1 fixed to its reference key; every free letter forbidden on about a third of
    // the keys it could use.
    const int fixedLetter = 1;
    const Byte fixedCode = ws.letters.letSet[fixedLetter];
    const int fixedKey = ws.refKeyLay[fixedCode];
    ws.letters.letFixKey[fixedLetter] = static_cast<Integer>(fixedKey);
    for (int k = 0; k <= ws.phero.nKeys(); ++k) ws.phero.at(k, fixedLetter) = k == fixedKey;
    for (int j = 0; j <= ws.letters.nLet(); ++j) {
        if (ws.letters.letFixKey[static_cast<std::size_t>(j)] != 0) continue;
        for (int k = 0; k <= ws.phero.nKeys(); ++k)
            if (random.Next() % 3 == 0) ws.phero.at(k, j) = 0;
    }
    LayoutPolisher polisher(ws);

    GenScratch scratch;
    test::QuietNoCandidate quiet;
    int swaps = 0;
    for (int n = 0; n < 20; ++n) {
        Layout lay{};
        GenRndKey(lay, ws.letters, ws.phero, 0.8, random, scratch, quiet);
        const Layout before = lay;
        const Single gradeBefore = FullGrade(ws, before);
        const LayoutPolisher::Result r = polisher.Polish(lay);
        ASSERT_TRUE(r.ok);
        swaps += r.swaps;
        EXPECT_GE(r.grade, gradeBefore);
        EXPECT_EQ(r.grade, FullGrade(ws, lay)) << "the grade is a full grading's";
        EXPECT_EQ(r.swaps == 0, lay == before);
        EXPECT_EQ(lay[fixedCode], fixedKey);

        for (int j = 0; j <= ws.letters.nLet(); ++j) {
            const Byte c = ws.letters.letSet[static_cast<std::size_t>(j)];
            if (lay[c] != before[c]) {
                EXPECT_GT(ws.phero.at(lay[c], j), 0) << "letter " << j;
            }
        }
        Layout keysBefore = before, keysAfter = lay;
        std::sort(keysBefore.begin(), keysBefore.end());
        std::sort(keysAfter.begin(), keysAfter.end());
        EXPECT_EQ(keysBefore, keysAfter) << "letters only trade keys";
    }
    EXPECT_GT(swaps, 20);
}

}  // namespace
}  // namespace antkeys
