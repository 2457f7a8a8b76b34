// Generation keeps each letter's candidate keys from one layout to the next; any change of
// the pheromone table must reach the next layout.
#include <gtest/gtest.h>

#include "search/gen_rnd_key.hpp"
#include "search_fixtures.hpp"

namespace antkeys {
namespace {

using test::MakeLetters;
using test::MakePhero;
using test::RecordingNoCandidate;

TEST(GenRndKeyCandidates, FollowEveryChangeOfThePheromones) {
    const LetterTables letters = MakeLetters({{'a', 0}});
    PheroTable phero = MakePhero({{0, 0, 1, 0}});
    Random random(3);
    GenScratch scratch;
    RecordingNoCandidate sink;
    Layout lay{};
    auto keyOfA = [&](const PheroTable& table) {
        GenRndKey(lay, letters, table, 0.8, random, scratch, sink);
        return lay['a'];
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
    EXPECT_TRUE(sink.letters.empty());

    // Keys beyond the first 64 (a table built by hand; no keyboard has them).
    std::vector<double> wide(100, 0.0);
    wide[70] = 1;
    EXPECT_EQ(keyOfA(MakePhero({wide})), 70);
}

}  // namespace
}  // namespace antkeys
