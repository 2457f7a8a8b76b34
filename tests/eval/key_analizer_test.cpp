// The grading's figures V1..V6; their rules on whole keyboards are pinned to the bit by the
// evaluate goldens. The digraph pass has a portable and a vector form: they must give the same
// bits, and the load of flagged keys must be shared with each one's own companion.
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
using test::SixKeys;
using test::SixPlaced;
using namespace test::letters;

TEST(KeyAnalizerInit, RefusesTablesItCannotGradeWith) {
    struct Case {
        const char* name;
        DigraphTables digraphs;
        KeyTables keys;
        const char* description;
    };
    DigraphTables shortCounts = MakeDigraphs({{a, b, 1}, {b, a, 1}});
    shortCounts.count.pop_back();
    KeyTables ragged = SixKeys();
    ragged.rows.pop_back();
    KeyTables big;
    big.Resize(65);
    const std::vector<Case> cases = {
        {"zero total", MakeDigraphs({{a, b, 0}, {b, a, 0}}), SixKeys(), "add up to 0"},
        {"short counts", shortCounts, SixKeys(), "differ in size"},
        {"ragged keys", MakeDigraphs({{a, b, 1}}), ragged, "differ in size"},
        {"65 keys", MakeDigraphs({{a, b, 1}}), big, "65 keys"},
        {"no keys", MakeDigraphs({{a, b, 1}}), KeyTables{}, "no key"},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        KeyAnalizer an;
        RecordingSink sink;
        EXPECT_FALSE(an.Init(t.digraphs, {}, t.keys, test::MakeKdi(), sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, "Error Initing Analizer");
        EXPECT_EQ(sink.messages[0].text.rfind("Error Initing KeyAnalizer\r\n", 0), 0u);
        EXPECT_NE(sink.messages[0].text.find(t.description), std::string::npos)
            << sink.messages[0].text;
        // Nothing half set up is ever graded.
        Criteria v;
        EXPECT_FALSE(an.CalcV1_6(SixPlaced(), v));
    }

    // Sixty-four keys are the most the target load has room for.
    big.Resize(64);
    Criteria v;
    EXPECT_TRUE(
        MakeAnalizer(MakeDigraphs({{a, b, 1}}), big).CalcV1_6(MakeLayout({{a, 64}, {b, 63}}), v));
}

TEST(CalcV1_6, LoadsAreComparedWithTheTargetsAndEachFlaggedKeySharesItsOwnWithItsCompanion) {
    // S (2) and T (4) are flagged, their companions 3 and 5. S carries half of the keystrokes,
    // T a quarter: each half stays with its own key and companion. A digraph touching a
    // flagged key adds only load.
    constexpr int s = 115, t = 116;
    const KeyTables keys =
        MakeKeys({{"A", 0, 2, 1, 3}, {"S", 0, 1, 0, 5, true}, {"T", 1, 1, 1, 5, true}});
    BestLoadTable target{};
    target[1] = 0.25;
    target[2] = target[3] = 0.25;
    target[4] = target[5] = 0.125;
    const KeyAnalizer an =
        MakeAnalizer(MakeDigraphs({{a, s, 3}, {t, s, 1}, {s, t, 2}, {s, a, 2}}), keys, target);
    Criteria v;
    ASSERT_TRUE(an.CalcV1_6(MakeLayout({{a, 1}, {s, 2}, {t, 4}}), v));
    EXPECT_EQ(v, (Criteria{0, 0, 1, 0, 0, 0, 0}));  // V2 is 1 for every layout
    // Swapped, both flagged keys and both companions are 0.125 off their targets.
    ASSERT_TRUE(an.CalcV1_6(MakeLayout({{a, 1}, {s, 4}, {t, 2}}), v));
    EXPECT_EQ(v[1], 4 * 0.125 * 0.125);
}

TEST(CalcV1_6, ReportsLayoutsTheKeyboardCannotHold) {
    Criteria v;
    std::string why;
    const KeyAnalizer an = MakeAnalizer(MakeDigraphs({{a, b, 1}, {b, a, 1}}), SixKeys());
    EXPECT_FALSE(an.CalcV1_6(MakeLayout({{a, 1}, {b, 8}}), v, &why));
    EXPECT_NE(why.find("character 98 is on key index 8"), std::string::npos) << why;
    EXPECT_TRUE(an.CalcV1_6(MakeLayout({{a, 1}, {b, 7}}), v));  // the companion is a key too

    // The distance must fit 16 bits, exactly at its limits (that a finger Kdi has no row for
    // fails on a change of rows is pinned by the r3 goldens).
    const KeyAnalizer far =
        MakeAnalizer(MakeDigraphs({{a, b, 1}}), MakeKeys({{"A", 0, 2, 0, 0},
                                                          {"B", 0, 2, 16384, 16383},
                                                          {"C", 0, 2, 16384, 16384},
                                                          {"D", 0, 2, -32768, 0},
                                                          {"E", 0, 2, 32767, 0}}));
    ASSERT_TRUE(far.CalcV1_6(MakeLayout({{a, 1}, {b, 2}}), v, &why)) << why;
    EXPECT_EQ(v[4], 32767.0);
    EXPECT_FALSE(far.CalcV1_6(MakeLayout({{a, 1}, {b, 3}}), v, &why));
    EXPECT_NE(why.find("16-bit"), std::string::npos) << why;
    EXPECT_FALSE(far.CalcV1_6(MakeLayout({{a, 4}, {b, 1}}), v));  // |-32768| overflows
    EXPECT_FALSE(far.CalcV1_6(MakeLayout({{a, 4}, {b, 5}}), v));
}

TEST(PairPass, VectorAndPortableFormsGiveTheSameFigures) {
    if (!VectorPairPass()) GTEST_SKIP() << "this processor has no vector pass";
    // Digraphs of every pair of ten characters with uneven counts, on random keys of a keyboard
    // with both hands, several fingers and rows and a flagged key.
    const KeyTables keys = SixKeys();
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
    vector.UseKernels(KernelChoice::kFastest);
    portable.UseKernels(KernelChoice::kPortable);

    for (int n = 0; n < 200; ++n) {
        Layout lay{};
        for (std::size_t ch = 97; ch < 107; ++ch) lay[ch] = static_cast<Byte>(random.Next() % 8);
        Criteria fromVector, fromPortable;
        ASSERT_TRUE(vector.CalcV1_6(lay, fromVector));
        ASSERT_TRUE(portable.CalcV1_6(lay, fromPortable));
        for (std::size_t i = 1; i <= 6; ++i)
            ASSERT_EQ(fromVector[i], fromPortable[i]) << "V" << i << " layout " << n;
    }
}

}  // namespace
}  // namespace antkeys
