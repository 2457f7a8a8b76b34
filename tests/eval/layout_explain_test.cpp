#include <gtest/gtest.h>

#include "eval/eval_fixtures.hpp"
#include "eval/explain_text.hpp"
#include "eval/layout_explain.hpp"

namespace antkeys {
namespace {

using test::MakeDigraphs;
using test::MakeKeys;
using test::MakeLayout;
using test::SixKeys;
using test::SixPlaced;
using namespace test::letters;

// 22 digraphs, 21 of them placed (x is not). a->b is split over two lines.
DigraphTables Digraphs() {
    return MakeDigraphs({{a, b, 3},   // out roll (index -> middle, one row)
                         {b, a, 2},   // in roll
                         {a, c, 3},   // one finger, two keys: distance 2
                         {c, d, 1},   // index -> ring, rows 2 -> 4: a row jump
                         {a, e, 5},   // hands alternate
                         {a, a, 2},   // repeat
                         {a, sp, 3},  // touches the flagged key
                         {x, a, 1},   // x is not placed
                         {a, b, 1},
                         {d, b, 1}});  // ring -> middle, one row up: neither roll nor jump
}

LayoutExplainer Explainer(const TrigraphTables* tri = nullptr, BestLoadTable target = {}) {
    LayoutExplainer ex;
    std::string why;
    EXPECT_TRUE(ex.Init(Digraphs(), SixKeys(), target, test::MakeKdi(), tri, &why)) << why;
    return ex;
}

LayoutExplanation Explain(const LayoutExplainer& ex, int top = 10,
                          const Layout& lay = SixPlaced()) {
    LayoutExplanation out;
    std::string why;
    EXPECT_TRUE(ex.Explain(lay, top, out, &why)) << why;
    return out;
}

const WorstDigraphs& List(const LayoutExplanation& ex, const std::string& figure) {
    for (const WorstDigraphs& w : ex.worst)
        if (w.figure == figure) return w;
    throw std::runtime_error("no list " + figure);
}

// Digraph figures are shares of the placed digraphs; keystrokes share the flagged key between
// the thumbs.
TEST(LayoutExplainer, FiguresAreSharesOfThePlacedDigraphsAndOfAllKeystrokes) {
    BestLoadTable target{};
    target[1] = 0.25;
    target[3] = 0.25;
    target[5] = 0.3;
    target[6] = target[7] = 0.1;
    const LayoutFigures f = Explain(Explainer(nullptr, target)).figures;
    EXPECT_DOUBLE_EQ(f.sameFinger, 3.0 / 21);
    EXPECT_DOUBLE_EQ(f.repeats, 2.0 / 21);
    EXPECT_DOUBLE_EQ(f.sameHand, 11.0 / 21);  // a->b, b->a, a->c, c->d, d->b
    EXPECT_DOUBLE_EQ(f.alternation, 5.0 / 21);
    EXPECT_DOUBLE_EQ(f.inRolls, 2.0 / 21);
    EXPECT_DOUBLE_EQ(f.outRolls, 4.0 / 21);
    EXPECT_DOUBLE_EQ(f.rowJumps, 1.0 / 21);
    EXPECT_FALSE(f.hasTrigrams);

    // Second characters: a 5 (one of them after x), b 5, c 3, d 1, e 5, space 3.
    EXPECT_DOUBLE_EQ(f.homeRow, 15.0 / 22);
    EXPECT_DOUBLE_EQ(f.topRow, 3.0 / 22);
    EXPECT_DOUBLE_EQ(f.bottomRow, 1.0 / 22);
    EXPECT_DOUBLE_EQ(f.handShare[0], 15.5 / 22);
    EXPECT_DOUBLE_EQ(f.handShare[1], 6.5 / 22);
    EXPECT_DOUBLE_EQ(f.fingerShare[0][2], 8.0 / 22);
    EXPECT_DOUBLE_EQ(f.fingerShare[0][1], 1.5 / 22);
    EXPECT_DOUBLE_EQ(f.fingerShare[1][1], 1.5 / 22);
    EXPECT_DOUBLE_EQ(f.fingerTarget[0][2], 0.5);
    EXPECT_DOUBLE_EQ(f.fingerTarget[1][1], 0.1);
    EXPECT_DOUBLE_EQ(f.handTarget[0], 0.6);
    EXPECT_DOUBLE_EQ(f.handTarget[1], 0.4);
}

TEST(LayoutExplainer, ListsAddUpToTheGradeFiguresLargestFirst) {
    const LayoutExplanation ex = Explain(Explainer());
    Criteria v{};
    ASSERT_TRUE(test::MakeAnalizer(Digraphs(), SixKeys()).CalcV1_6(SixPlaced(), v));
    for (int i = 3; i <= 6; ++i)
        EXPECT_EQ(List(ex, "V" + std::to_string(i)).total, v[static_cast<std::size_t>(i)]);

    // The two a->b lines are one pair; ties keep the order of the file (b->a before a->a).
    const WorstDigraphs& v3 = List(ex, "V3");
    ASSERT_EQ(v3.top.size(), 7u);
    const std::vector<std::pair<int, int>> order = {{a, b}, {a, c}, {b, a}, {a, a}, {c, d}, {x, a}};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(v3.top[i].first, order[i].first);
        EXPECT_EQ(v3.top[i].second, order[i].second);
    }
    EXPECT_DOUBLE_EQ(v3.top[0].share, 4.0 / 22);

    // V4: the digraph's frequency and what its travel of 2 adds; a->a travels nowhere.
    const WorstDigraphs& v4 = List(ex, "V4");
    ASSERT_EQ(v4.top.size(), 1u);
    EXPECT_DOUBLE_EQ(v4.top[0].share, 3.0 / 22);
    EXPECT_DOUBLE_EQ(v4.top[0].adds, 6.0 / 22);
    // V5: Kdi(4, 3) = 44 and Kdi(2, 4) = 25 here; x->a reads Kdi(0, 2) = 0 and is left out.
    const WorstDigraphs& v5 = List(ex, "V5");
    ASSERT_EQ(v5.top.size(), 2u);
    EXPECT_DOUBLE_EQ(v5.top[0].adds, 44.0 / 22);
    EXPECT_DOUBLE_EQ(v5.top[1].adds, 25.0 / 22);
    // The named figures' lists are over the placed digraphs.
    EXPECT_DOUBLE_EQ(List(ex, "out_rolls").top.at(0).share, 4.0 / 21);

    const LayoutExplanation two = Explain(Explainer(), 2);
    EXPECT_EQ(List(two, "V3").top.size(), 2u);
    EXPECT_EQ(List(two, "V3").total, v[3]);
}

TEST(LayoutExplainer, TrigramFiguresAreSharesOfThePlacedTrigrams) {
    TrigraphTables tri;
    auto add = [&](int c1, int c2, int c3, Long n) {
        tri.first.push_back(static_cast<Byte>(c1));
        tri.second.push_back(static_cast<Byte>(c2));
        tri.third.push_back(static_cast<Byte>(c3));
        tri.count.push_back(n);
    };
    add(a, b, d, 2);   // fingers 2, 3, 4: a roll
    add(d, b, a, 1);   // 4, 3, 2: a roll the other way
    add(a, d, b, 3);   // 2, 4, 3: a redirect
    add(b, a, c, 1);   // index twice: none of them
    add(a, e, a, 4);   // left, right, left
    add(e, sp, e, 1);  // the flagged key neither keeps nor changes the hand
    add(x, a, b, 5);   // not placed
    const LayoutFigures f = Explain(Explainer(&tri)).figures;
    EXPECT_TRUE(f.hasTrigrams);
    EXPECT_DOUBLE_EQ(f.oneHandRolls, 3.0 / 12);
    EXPECT_DOUBLE_EQ(f.redirects, 3.0 / 12);
    EXPECT_DOUBLE_EQ(f.alternatingTrigrams, 4.0 / 12);

    const TrigraphTables none;
    const LayoutFigures empty = Explain(Explainer(&none)).figures;
    EXPECT_TRUE(empty.hasTrigrams);
    EXPECT_EQ(empty.redirects + empty.oneHandRolls + empty.alternatingTrigrams, 0.0);
    EXPECT_EQ(NamedFigures(empty).back().name, "alternating_trigrams");
}

TEST(LayoutExplainer, RefusesWhatItCannotExplain) {
    LayoutExplainer ex;
    std::string why;
    EXPECT_FALSE(ex.Init(MakeDigraphs({{a, b, 0}}), SixKeys(), {}, {}, nullptr, &why));
    EXPECT_NE(why.find("add up to 0"), std::string::npos) << why;
    LayoutExplanation out;
    EXPECT_FALSE(ex.Explain(SixPlaced(), 10, out));

    // A character on a key index the keyboard does not have.
    EXPECT_FALSE(Explainer().Explain(MakeLayout({{a, 8}}), 10, out, &why));
    EXPECT_NE(why.find("key index 8"), std::string::npos) << why;
}

TEST(ExplainText, ShowsPercentagesSideBySideAndDigraphsAsLetters) {
    const LayoutExplanation ex = Explain(Explainer(), 1);
    const TextRows figures = FigureRows({"ref", "other"}, {&ex, &ex});
    EXPECT_EQ(figures[0], (std::vector<std::string>{"figure", "ref", "other"}));
    EXPECT_EQ(figures[1], (std::vector<std::string>{"same_finger", "14.29%", "14.29%"}));

    const CharacterMap& chars = CharacterMap::GeorgianPs();
    const TextRows worst = WorstRows(ex, chars);
    ASSERT_EQ(worst.size(), 3u);
    EXPECT_EQ(worst[0][1], "same_finger");
    EXPECT_EQ(worst[2][1], "ac 14.29%");
    EXPECT_EQ(worst[1][5], "0.2727");  // V4 is not a share: 6/22
    EXPECT_EQ(CharLabel(chars, sp), "\xE2\x90\xA3");
    EXPECT_EQ(CharLabel(chars, 7), "#7");
}

}  // namespace
}  // namespace antkeys
