// Polishing an iteration's best layout: the incremental ranking against full gradings and the
// rules a polished layout keeps. What --polish runs find is pinned by the goldens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "data/random.hpp"
#include "search/layout_polish.hpp"
#include "support/workspaces.hpp"

namespace antkeys {
namespace {

using test::FullGrade;
using test::LoadBundled;

// The codes of the free letters, each once.
std::vector<Byte> FreeCodes(const LetterTables& letters) {
    std::vector<Byte> codes;
    for (std::size_t j = 0; j < letters.letSet.size(); ++j)
        if (letters.letFixKey[j] == 0) codes.push_back(letters.letSet[j]);
    return codes;
}

TEST(LayoutPolisher, IncrementalRankingMatchesFullGradingOnRandomSwaps) {
    for (const char* language : {"ka", "en"}) {
        Workspace ws;
        LoadBundled(ws, language);
        LayoutPolisher polisher(ws);
        const std::vector<Byte> codes = FreeCodes(ws.letters);
        ASSERT_GE(codes.size(), 2u);
        Random random(7);
        GenScratch scratch;
        test::QuietNoCandidate quiet;
        for (int n = 0; n < 200; ++n) {
            Layout lay{};
            GenRndKey(lay, ws.letters, ws.phero, 0.0, random, scratch, quiet);
            Criteria v{};
            ASSERT_TRUE(ws.analizer.CalcV1_6(lay, v));
            polisher.Prepare(lay);
            const Byte a = codes[random.Next() % codes.size()];
            const Byte b = codes[random.Next() % codes.size()];
            Layout swapped = lay;
            std::swap(swapped[a], swapped[b]);
            Criteria full{};
            ASSERT_TRUE(ws.analizer.CalcV1_6(swapped, full));
            const double expected = polisher.RatioSum(full);
            EXPECT_NEAR(polisher.SwappedRatioSum(lay, v, a, b), expected,
                        1e-12 * std::abs(expected))
                << language << " layout " << n << " swap " << int{a} << " " << int{b};
        }
    }
}

TEST(LayoutPolisher, SwapsOnASharedKeyAreGradedInFull) {
    // The English set with the space bar open to free letters: a letter on the shared key
    // splits its load with the companion.
    Workspace ws;
    LoadBundled(ws, "en");
    int shared = 0;
    for (int k = 1; k <= ws.keys.nKeys(); ++k)
        if (ws.keys.alters[static_cast<std::size_t>(k)] != 0) shared = shared ? shared : k;
    ASSERT_GT(shared, 0);
    LayoutPolisher polisher(ws);
    const std::vector<Byte> codes = FreeCodes(ws.letters);
    Random random(3);
    for (int n = 0; n < 50; ++n) {
        Layout lay = ws.refKeyLay;
        const Byte a = codes[random.Next() % codes.size()];
        const Byte b = codes[random.Next() % codes.size()];
        if (a == b) continue;
        lay[a] = static_cast<Byte>(shared);  // a shares the space bar with the space
        Criteria v{};
        ASSERT_TRUE(ws.analizer.CalcV1_6(lay, v));
        polisher.Prepare(lay);
        Layout swapped = lay;
        std::swap(swapped[a], swapped[b]);
        Criteria full{};
        ASSERT_TRUE(ws.analizer.CalcV1_6(swapped, full));
        EXPECT_EQ(polisher.SwappedRatioSum(lay, v, a, b), polisher.RatioSum(full));
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

        std::vector<Byte> keysBefore, keysAfter;
        for (int j = 0; j <= ws.letters.nLet(); ++j) {
            const Byte c = ws.letters.letSet[static_cast<std::size_t>(j)];
            keysBefore.push_back(before[c]);
            keysAfter.push_back(lay[c]);
            if (lay[c] != before[c]) {
                EXPECT_GT(ws.phero.at(lay[c], j), 0) << "letter " << j;
            }
        }
        std::sort(keysBefore.begin(), keysBefore.end());
        std::sort(keysAfter.begin(), keysAfter.end());
        EXPECT_EQ(keysBefore, keysAfter) << "letters only trade keys";

        if (n < 3) {
            // A local optimum: no allowed swap grades better.
            const std::vector<Byte> codes = FreeCodes(ws.letters);
            for (std::size_t i = 0; i < codes.size(); ++i) {
                for (std::size_t j = i + 1; j < codes.size(); ++j) {
                    if (!polisher.SwapAllowed(lay, codes[i], codes[j])) continue;
                    Layout swapped = lay;
                    std::swap(swapped[codes[i]], swapped[codes[j]]);
                    EXPECT_LE(FullGrade(ws, swapped), r.grade + 1e-5f);
                }
            }
        }
    }
    EXPECT_GT(swaps, 20);
}

}  // namespace
}  // namespace antkeys
