// The grading's digraph pass has a portable and a vector form; they must give the same bits,
// and the load of flagged keys must be shared with each one's own companion.
#include <gtest/gtest.h>

#include "data/random.hpp"
#include "eval/eval_fixtures.hpp"
#include "eval/key_analizer.hpp"

namespace antkeys {
namespace {

using test::MakeAnalizer;
using test::MakeDigraphs;
using test::MakeKeys;
using test::MakeLayout;

TEST(PairPass, VectorAndPortableFormsGiveTheSameFigures) {
    if (!VectorPairPass()) GTEST_SKIP() << "this processor has no vector pass";
    // A keyboard with both hands, every finger, several rows and a flagged key, and digraphs
    // of every pair of its characters with uneven counts.
    const KeyTables keys = MakeKeys({{"A", 0, 1, 0, 2},
                                     {"B", 0, 2, 1, 3},
                                     {"C", 0, 2, 2, 4},
                                     {"D", 0, 3, 3, 2},
                                     {"E", 1, 4, 4, 3},
                                     {"F", 1, 5, 5, 4},
                                     {"G", 1, 2, 1, 2},
                                     {"H", 0, 5, 6, 3},
                                     {"S", 0, 1, 0, 5, true}});
    DigraphTables digraphs;
    Random random(7);
    for (int c1 = 97; c1 < 107; ++c1)
        for (int c2 = 97; c2 < 107; ++c2) {
            digraphs.first.push_back(static_cast<Byte>(c1));
            digraphs.second.push_back(static_cast<Byte>(c2));
            digraphs.count.push_back(static_cast<Long>(random.Next() % 100000));
        }
    BestLoadTable target{};
    for (int k = 1; k <= keys.nKeys(); ++k) target[static_cast<std::size_t>(k)] = 0.1;
    KeyAnalizer vector = MakeAnalizer(digraphs, keys, target);
    KeyAnalizer portable = vector;
    vector.ForcePortable(false);
    portable.ForcePortable(true);

    for (int n = 0; n < 200; ++n) {
        Layout lay{};
        for (int c = 97; c < 107; ++c)
            lay[static_cast<std::size_t>(c)] = static_cast<Byte>(random.Next() % 11);
        Criteria a, b;
        ASSERT_TRUE(vector.CalcV1_6(lay, a));
        ASSERT_TRUE(portable.CalcV1_6(lay, b));
        for (std::size_t i = 1; i <= 6; ++i) ASSERT_EQ(a[i], b[i]) << "V" << i << " layout " << n;
    }
}

TEST(PairPass, EachFlaggedKeySharesItsOwnLoadWithItsCompanion) {
    // S (2) and T (4) are flagged, their companions 3 and 5. S carries half of the keystrokes,
    // T a quarter: each half stays with its own key and companion.
    constexpr int a = 97, s = 115, t = 116;
    const KeyTables keys =
        MakeKeys({{"A", 0, 2, 1, 3}, {"S", 0, 1, 0, 5, true}, {"T", 1, 1, 1, 5, true}});
    BestLoadTable target{};
    target[1] = 0.25;
    target[2] = target[3] = 0.25;
    target[4] = target[5] = 0.125;
    const KeyAnalizer an = MakeAnalizer(
        MakeDigraphs({{a, s, 3}, {t, s, 1}, {s, t, 2}, {s, a, 2}}), keys, target);
    Criteria v;
    ASSERT_TRUE(an.CalcV1_6(MakeLayout({{a, 1}, {s, 2}, {t, 4}}), v));
    EXPECT_EQ(v[1], 0.0);
    // Swapped, both flagged keys and both companions are 0.125 off their targets.
    ASSERT_TRUE(an.CalcV1_6(MakeLayout({{a, 1}, {s, 4}, {t, 2}}), v));
    EXPECT_EQ(v[1], 4 * 0.125 * 0.125);
}

}  // namespace
}  // namespace antkeys
