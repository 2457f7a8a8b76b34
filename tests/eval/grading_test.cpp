#include <gtest/gtest.h>

#include <functional>

#include "eval/eval_fixtures.hpp"
#include "eval/grading.hpp"

namespace antkeys {
namespace {

using test::MakeAnalizer;
using test::MakeDigraphs;
using test::MakeKeys;
using test::MakeLayout;

constexpr int a = 97, b = 98, c = 99, d = 100;

class CountingYield final : public Yielder {
  public:
    void Yield() override {
        ++count;
        if (hook) hook();
    }
    int count = 0;
    std::function<void()> hook;
};

// Figures of Placed(): V1 0.25, V2 1, V3 1, V4 0.75, V5 6.25, V6 0.5, all above 0.
class Grading : public ::testing::Test {
  protected:
    Grading()
        : analizer(MakeAnalizer(
              MakeDigraphs({{a, b, 1}, {a, c, 1}, {a, d, 1}, {b, a, 1}}),
              MakeKeys(
                  {{"A", 0, 2, 1, 3}, {"B", 0, 3, 2, 3}, {"C", 0, 2, 2, 1}, {"D", 0, 4, 3, 2}}))) {
        weights.gj = {0, 1, 1, 1, 1, 1, 1};
        weights.gjSum = 6;
        EXPECT_TRUE(analizer.CalcV1_6(placed, layV.ref));
        EXPECT_EQ(layV.ref, (Criteria{0, 0.25, 1, 1, 0.75, 6.25, 0.5}));
    }

    GradeResult Grade(const Layout& lay) {
        return EvaluateLay(lay, analizer, weights, layV, panel, yielder);
    }

    KeyAnalizer analizer;
    Weights weights;
    CriteriaTable layV;
    CriteriaPanel panel;
    CountingYield yielder;
    const Layout placed = MakeLayout({{a, 1}, {b, 2}, {c, 3}, {d, 4}});
};

TEST_F(Grading, ReferenceColumnShowsFiguresAndTheirWeightedSum) {
    CriteriaPanel p;
    const Criteria ref{0, 0.02, 1, 0.3, 0.1, 0.5, 0.4};
    const Single refGrade = ShowReference(ref, {0, 1, 0, 1, 1, 1, 1}, p);
    EXPECT_EQ(p.refGrade.Text(), "1.32");
    EXPECT_EQ(p.v0Perc[2].Text(), "1.00");
    EXPECT_EQ(p.v0Perc[1].Text(), "0.02");
    EXPECT_FLOAT_EQ(refGrade, 1.32f);
    EXPECT_EQ(p.version, 1u);
}

TEST_F(Grading, TheReferenceLayoutGradesZero) {
    ShowReference(layV.ref, weights.gj, panel);
    const GradeResult g = Grade(placed);
    ASSERT_TRUE(g.ok);
    EXPECT_EQ(g.grade, 0.0f);
    EXPECT_EQ(panel.difGrade.Text(), "0.00%");
    for (std::size_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(panel.vPerc[i].Text(), "0.00%") << i;
        EXPECT_EQ(panel.v1[i].Text(), panel.v0Perc[i].Text()) << i;
    }
    EXPECT_EQ(panel.currGrade.Text(), "9.75");
    EXPECT_EQ(panel.currGrade.Text(), panel.refGrade.Text());
    EXPECT_EQ(layV.last, layV.ref);
    EXPECT_EQ(yielder.count, 2);
}

TEST_F(Grading, HalfTheReferenceFigureIsOneHundredPercentBetter) {
    layV.ref[1] = 0.5;  // the layout's V1 is 0.25: r = 0.5
    const GradeResult g = Grade(placed);
    EXPECT_EQ(panel.vPerc[1].Text(), "100.00%");
    EXPECT_EQ(g.grade, static_cast<Single>(6.0 / 5.5 - 1));
    EXPECT_EQ(panel.difGrade.Text(), "9.09%");
}

TEST_F(Grading, TwiceTheReferenceFigureIsFiftyPercentWorse) {
    layV.ref[5] = 3.125;  // the layout's V5 is 6.25: r = 2
    const GradeResult g = Grade(placed);
    EXPECT_EQ(panel.vPerc[5].Text(), "-50.00%");
    EXPECT_EQ(panel.difGrade.Text(), "-14.29%");
    EXPECT_LT(g.grade, 0);
}

TEST_F(Grading, AZeroReferenceFigureLeavesItsCriterionOut) {
    panel.v1[3].SetFixed2(7.77);  // from an earlier grading
    panel.vPerc[3].SetPercent(0.5f);
    layV.ref[3] = 0;
    const GradeResult g = Grade(placed);
    EXPECT_EQ(panel.vPerc[3].Text(), "");
    EXPECT_EQ(panel.v1[3].Text(), "7.77");
    // GjSum still holds Gj(3): a layout equal to the reference grades 6 / 5 - 1.
    EXPECT_EQ(g.grade, 0.2f);
    EXPECT_EQ(panel.difGrade.Text(), "20.00%");
    EXPECT_EQ(panel.currGrade.Text(), "8.75");  // 9.75 without V3
}

TEST_F(Grading, AZeroWeightShowsTheFigureButMovesNoGrade) {
    weights.gj[4] = 0;
    weights.gjSum = 5;
    layV.ref[4] = 1.5;  // the layout's V4 is 0.75
    const GradeResult g = Grade(placed);
    EXPECT_EQ(panel.v1[4].Text(), "0.75");
    EXPECT_EQ(panel.vPerc[4].Text(), "100.00%");
    EXPECT_EQ(g.grade, 0.0f);
    EXPECT_EQ(panel.currGrade.Text(), "9.00");
}

TEST_F(Grading, AFigureOfZeroIsInfinitelyBetterAndCountsAsZero) {
    // Without d on the keyboard a->d ends on key 0 and V5 is 0.
    const Layout noD = MakeLayout({{a, 1}, {b, 2}, {c, 3}});
    Criteria v;
    ASSERT_TRUE(analizer.CalcV1_6(noD, v));
    ASSERT_EQ(v[5], 0.0);
    layV.ref = v;
    layV.ref[5] = 6.25;
    const GradeResult g = Grade(noD);
    EXPECT_EQ(panel.vPerc[5].Text(), kPlusInfinityText);
    EXPECT_EQ(panel.v1[5].Text(), "0.00");
    EXPECT_EQ(g.grade, 0.2f);  // 6 / (5 + 0) - 1
    EXPECT_EQ(panel.difGrade.Text(), "20.00%");
}

TEST_F(Grading, AnUndefinedGradeIsZeroAndShownAsSuch) {
    struct Case {
        const char* name;
        Criteria ref;
        GjTable gj;
        Double gjSum;
    };
    const Criteria all{0, 0.25, 1, 1, 0.75, 6.25, 0.5};
    const std::vector<Case> cases = {
        {"no positive reference figure", Criteria{0, 0, -1, 0, 0, 0, 0}, {0, 1, 1, 1, 1, 1, 1}, 6},
        {"all weights 0", all, GjTable{}, 0},
        {"grade beyond a Single", all, {0, 1e-20, 0, 0, 0, 0, 0}, 1e30},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        layV.ref = t.ref;
        weights.gj = t.gj;
        weights.gjSum = t.gjSum;
        const GradeResult g = Grade(placed);
        EXPECT_TRUE(g.ok);
        EXPECT_EQ(g.grade, 0.0f);
        EXPECT_EQ(panel.difGrade.Text(), kUndefinedText);
    }
}

TEST_F(Grading, AnAnalyzerFailureGradesZeroAndLeavesThePanel) {
    Grade(placed);
    const std::uint64_t version = panel.version;
    const std::string before = panel.difGrade.Text();
    const Criteria figures = layV.last;
    const GradeResult g = Grade(MakeLayout({{a, 9}, {b, 2}}));
    EXPECT_EQ(layV.last, figures);
    EXPECT_FALSE(g.ok);
    EXPECT_EQ(g.grade, 0.0f);
    EXPECT_NE(g.error.find("key index 9"), std::string::npos) << g.error;
    EXPECT_EQ(panel.version, version);
    EXPECT_EQ(panel.difGrade.Text(), before);
}

TEST_F(Grading, AGradingInsideAYieldDoesNotChangeTheOuterGrade) {
    const Layout other = MakeLayout({{a, 2}, {b, 1}, {c, 4}, {d, 3}});
    CriteriaTable aloneV = layV;
    CriteriaPanel alonePanel;
    NoYield none;
    const GradeResult alone = EvaluateLay(placed, analizer, weights, aloneV, alonePanel, none);

    layV.ref[1] = 0.5;  // anything but the reference figures, so the two gradings differ
    aloneV.ref = layV.ref;
    const GradeResult aloneAgain = EvaluateLay(placed, analizer, weights, aloneV, alonePanel, none);
    ASSERT_NE(alone.grade, aloneAgain.grade);

    bool nested = false;
    yielder.hook = [&] {
        if (nested) return;
        nested = true;
        Grade(other);
    };
    const GradeResult outer = Grade(placed);
    EXPECT_EQ(outer.grade, aloneAgain.grade);
    EXPECT_EQ(layV.last, aloneV.last);
    for (std::size_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(panel.v1[i].Text(), alonePanel.v1[i].Text()) << i;
        EXPECT_EQ(panel.vPerc[i].Text(), alonePanel.vPerc[i].Text()) << i;
    }
    EXPECT_EQ(panel.difGrade.Text(), alonePanel.difGrade.Text());
}

}  // namespace
}  // namespace antkeys
