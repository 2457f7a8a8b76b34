#include "search/gen_rnd_key.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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
        const std::set<int> keys{g.lay['a'], g.lay['b'], g.lay['c'], g.lay['d']};
        ASSERT_EQ(keys.size(), 4u) << "two letters on one key";
        ASSERT_EQ(keys.count(0), 0u) << "a letter left without a key";
        ASSERT_EQ(std::count(g.lay.begin(), g.lay.end(), 0), kCharCodes - 4)
            << "a key for a character that is no letter";
    }
    EXPECT_TRUE(g.sink.letters.empty());
}

TEST(GenRndKey, LetterWithoutCandidateIsReportedAndLeftOnKeyZero) {
    Generator g;
    // 'm' has only 0 and negative values; 'n', 'o' and 'p' share two keys, so 'p' (the last
    // of them) finds none.
    g.letters = MakeLetters({{'m', 0}, {'n', 0}, {'o', 0}, {'p', 0}});
    const std::vector<double> shared = {0, 0.5, 0.5, 0};
    g.phero = MakePhero({{0, 0, -1, 0}, shared, shared, shared});
    g.Run(0.8);
    EXPECT_EQ(g.lay['m'], 0);
    EXPECT_EQ(g.lay['p'], 0);
    EXPECT_EQ(g.lay['n'] + g.lay['o'], 3);
    EXPECT_EQ(g.sink.letters, (std::vector<int>{0, 3}));

    // Both letters have positive pheromone on the dummy key 0 only: the first takes it (and
    // so reads as not placed), the second finds no candidate.
    Generator zero;
    zero.letters = MakeLetters({{'u', 0}, {'v', 0}});
    zero.phero = MakePhero({{0.7, 0, 0}, {1.0, 0, 0}});
    zero.Run(0.8);
    EXPECT_EQ(zero.lay['u'], 0);
    EXPECT_EQ(zero.lay['v'], 0);
    EXPECT_EQ(zero.sink.letters, (std::vector<int>{1}));

    // A negative sensitivity pushes every score below 0: no key is ever chosen.
    Generator below;
    below.letters = MakeLetters({{'z', 0}});
    below.phero = MakePhero({{0, 1.0, 2.0}});
    below.Run(-1.0);
    EXPECT_EQ(below.lay['z'], 0);
    EXPECT_EQ(below.sink.letters, (std::vector<int>{0}));
}

// Generation keeps each letter's candidate keys from one layout to the next; any change of
// the pheromone table must reach the next layout.
TEST(GenRndKeyCandidates, FollowEveryChangeOfThePheromones) {
    Generator g;
    g.letters = MakeLetters({{'a', 0}});
    PheroTable& phero = g.phero;
    phero = MakePhero({{0, 0, 1, 0}});
    auto keyOfA = [&g](const PheroTable& table) {
        GenRndKey(g.lay, g.letters, table, 0.8, g.random, g.scratch, g.sink);
        return g.lay['a'];
    };
    EXPECT_EQ(keyOfA(phero), 2);
    phero.at(2, 0) = 0;  // written in place
    phero.at(3, 0) = 1;
    EXPECT_EQ(keyOfA(phero), 3);
    phero.column(0)[1] = 1;  // through a column
    phero.column(0)[3] = -1;
    EXPECT_EQ(keyOfA(phero), 1);
    phero = MakePhero({{0, 0, 1, 0}});  // replaced
    EXPECT_EQ(keyOfA(phero), 2);
    const PheroTable other = MakePhero({{1, 0, 0, 0}});  // another table, same scratch
    EXPECT_EQ(keyOfA(other), 0);
    EXPECT_EQ(keyOfA(phero), 2);
    phero.Resize(3, -1);  // no letters left
    EXPECT_EQ(keyOfA(phero), 0);
    EXPECT_TRUE(g.sink.letters.empty());

    // Keys beyond the first 64 (a table built by hand; no keyboard has them).
    std::vector<double> wide(100, 0.0);
    wide[70] = 1;
    EXPECT_EQ(keyOfA(MakePhero({wide})), 70);
}

}  // namespace
}  // namespace antkeys
