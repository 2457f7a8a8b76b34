#include "search/gen_rnd_key.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "search_fixtures.hpp"

namespace antkeys {
namespace {

using test::MakeLetters;
using test::MakePhero;
using test::RecordingNoCandidate;

struct Generator {
    LetterTables letters;
    PheroTable phero;
    Random random{1};
    GenScratch scratch;
    RecordingNoCandidate sink;
    Layout lay{};

    void Run(double s) { GenRndKey(lay, letters, phero, s, random, scratch, sink); }
};

TEST(GenRndKey, FixedLetterKeepsItsKeyAndNoFreeLetterTakesIt) {
    Generator g;
    // 'a' fixed to key 5; 'b', 'c', 'd' free with key 5 the most attractive key of all.
    g.letters = MakeLetters({{'b', 0}, {'a', 5}, {'c', 0}, {'d', 0}});
    const std::vector<double> free = {0, 0.1, 0.1, 0.1, 0.1, 5.0, 0.1};
    g.phero = MakePhero({free, {0, 0, 0, 0, 0, 1, 0}, free, free});
    g.lay.fill(9);  // whatever the caller held is discarded
    for (int n = 0; n < 2000; ++n) {
        g.Run(0.8);
        ASSERT_EQ(g.lay['a'], 5);
        std::set<int> keys;
        for (int code : {'b', 'c', 'd'}) {
            ASSERT_NE(g.lay[static_cast<std::size_t>(code)], 5);
            ASSERT_GE(g.lay[static_cast<std::size_t>(code)], 1);
            keys.insert(g.lay[static_cast<std::size_t>(code)]);
        }
        ASSERT_EQ(keys.size(), 3u) << "two letters on one key";
        for (int code = 0; code < 256; ++code) {
            if (code < 'a' || code > 'd') {
                ASSERT_EQ(g.lay[static_cast<std::size_t>(code)], 0);
            }
        }
    }
    EXPECT_TRUE(g.sink.letters.empty());
}

TEST(GenRndKey, ZeroSensitivityChoosesUniformlyAmongCandidates) {
    Generator g;
    g.random.Seed(20240601);
    // Key 4 has no pheromone and key 5 a negative one: never candidates. The amounts on
    // keys 1..3 do not matter with S = 0. The second letter then picks among the two keys
    // the first one left.
    g.letters = MakeLetters({{'x', 0}, {'y', 0}});
    const std::vector<double> column = {0, 0.9, 0.05, 0.05, 0, -1};
    g.phero = MakePhero({column, column});
    constexpr int kDraws = 30000;
    std::array<int, 6> first{};
    std::array<std::array<int, 6>, 6> second{};
    for (int n = 0; n < kDraws; ++n) {
        g.Run(0.0);
        ++first[g.lay['x']];
        ++second[g.lay['x']][g.lay['y']];
    }
    EXPECT_EQ(first[0] + first[4] + first[5], 0);
    // Chi-square with 2 degrees of freedom; 13.8 is the 0.1% point.
    double chi2 = 0;
    for (int k = 1; k <= 3; ++k) {
        const double expected = kDraws / 3.0;
        chi2 += (first[static_cast<std::size_t>(k)] - expected) *
                (first[static_cast<std::size_t>(k)] - expected) / expected;
    }
    EXPECT_LT(chi2, 13.8) << first[1] << " " << first[2] << " " << first[3];
    for (int a = 1; a <= 3; ++a) {
        const auto& row = second[static_cast<std::size_t>(a)];
        EXPECT_EQ(row[static_cast<std::size_t>(a)] + row[0] + row[4] + row[5], 0);
        const int others = first[static_cast<std::size_t>(a)];
        for (int b = 1; b <= 3; ++b) {
            if (b == a) continue;
            // Binomial(others, 1/2): within 4 standard deviations.
            EXPECT_NEAR(row[static_cast<std::size_t>(b)], others / 2.0,
                        4 * std::sqrt(others / 4.0));
        }
    }
    EXPECT_TRUE(g.sink.letters.empty());
}

TEST(GenRndKey, AKeyAheadByOneOverSIsChosenEveryTime) {
    Generator g;
    g.letters = MakeLetters({{'q', 0}});
    // With S = 2, key 2 leads every other key by exactly 1/S = 0.5.
    g.phero = MakePhero({{0, 0.1, 0.6, 0.1, 0.05}});
    for (int n = 0; n < 5000; ++n) {
        g.Run(2.0);
        ASSERT_EQ(g.lay['q'], 2);
    }
    // A lead a little short of 1/S no longer wins every time.
    g.phero = MakePhero({{0, 0.15, 0.6, 0.1, 0.05}});
    std::set<int> chosen;
    for (int n = 0; n < 5000; ++n) {
        g.Run(2.0);
        chosen.insert(g.lay['q']);
    }
    EXPECT_EQ(chosen, (std::set<int>{1, 2}));
}

TEST(GenRndKey, DrawsOneNumberPerCandidateKeyInKeyOrder) {
    Generator g;
    g.random.Seed(77);
    // Letter 0: candidates 1, 2, 3 (key 4 is 0, key 5 negative): 3 draws. Letter 1 (fixed to
    // key 5) draws nothing. Letter 2: candidates 1..4 minus letter 0's key: 3 draws.
    g.letters = MakeLetters({{'a', 0}, {'f', 5}, {'b', 0}});
    g.phero = MakePhero(
        {{0, 0.3, 0.3, 0.4, 0, -0.5}, {0, 0, 0, 0, 0, 1}, {0, 0.25, 0.25, 0.25, 0.25, 0.25}});
    Random reference(77);
    // The reference replays the rule by hand: argmax of p * S + u over the candidates.
    const double s = 0.8;
    std::array<double, 6> a = {0, 0.3, 0.3, 0.4, 0, -0.5};
    int bestA = 0;
    double best = 0;
    for (int k = 1; k <= 3; ++k) {
        const double score = a[static_cast<std::size_t>(k)] * s + reference.NextSingle();
        if (score > best) best = score, bestA = k;
    }
    int bestB = 0;
    best = 0;
    for (int k = 1; k <= 4; ++k) {
        if (k == bestA) continue;
        const double score = 0.25 * s + reference.NextSingle();
        if (score > best) best = score, bestB = k;
    }
    g.Run(s);
    EXPECT_EQ(g.lay['a'], bestA);
    EXPECT_EQ(g.lay['f'], 5);
    EXPECT_EQ(g.lay['b'], bestB);
    EXPECT_EQ(g.random.Next(), reference.Next()) << "a different number of draws";
}

TEST(GenRndKey, LetterWithoutCandidateIsReportedAndLeftOnKeyZero) {
    Generator g;
    // 'm' has only 0 and negative values; 'n', 'o' and 'p' share two keys, so 'p' (the last
    // of them) finds none.
    g.letters = MakeLetters({{'m', 0}, {'n', 0}, {'o', 0}, {'p', 0}});
    const std::vector<double> shared = {0, 0.5, 0.5, 0};
    g.phero = MakePhero({{0, 0, -1, 0}, shared, shared, shared});
    for (int n = 1; n <= 3; ++n) {
        g.Run(0.8);
        EXPECT_EQ(g.lay['m'], 0);
        EXPECT_EQ(g.lay['p'], 0);
        EXPECT_EQ(g.lay['n'] + g.lay['o'], 3);
        ASSERT_EQ(g.sink.letters.size(), static_cast<std::size_t>(2 * n));
    }
    EXPECT_EQ(g.sink.letters, (std::vector<int>{0, 3, 0, 3, 0, 3}));
}

TEST(GenRndKey, KeyZeroIsACandidateOnlyOnce) {
    Generator g;
    // Both letters have positive pheromone on the dummy key 0 only: the first takes it (and
    // so reads as not placed), the second finds no candidate.
    g.letters = MakeLetters({{'u', 0}, {'v', 0}});
    g.phero = MakePhero({{0.7, 0, 0}, {1.0, 0, 0}});
    g.Run(0.8);
    EXPECT_EQ(g.lay['u'], 0);
    EXPECT_EQ(g.lay['v'], 0);
    EXPECT_EQ(g.sink.letters, (std::vector<int>{1}));
}

TEST(GenRndKey, ScoreNotAboveZeroIsNeverChosen) {
    Generator g;
    // A negative sensitivity pushes every score below 0: no key is ever chosen.
    g.letters = MakeLetters({{'z', 0}});
    g.phero = MakePhero({{0, 1.0, 2.0}});
    g.Run(-1.0);
    EXPECT_EQ(g.lay['z'], 0);
    EXPECT_EQ(g.sink.letters, (std::vector<int>{0}));
}

}  // namespace
}  // namespace antkeys
