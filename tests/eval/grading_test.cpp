#include <gtest/gtest.h>

#include "eval/eval_fixtures.hpp"
#include "eval/grading.hpp"
#include "eval/panel.hpp"

namespace antkeys {
namespace {

using test::MakeAnalizer;
using test::MakeDigraphs;
using test::MakeKeys;
using test::MakeLayout;
using namespace test::letters;

// The reference figures and the weighted sums of the full precision grades are pinned by the
// goldens; here the rules for single criteria, from the figures of `placed`, all above 0.
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

    // A grading shown as the window's host shows it.
    GradeReport GradeShown(const Layout& lay) {
        const GradeReport report = Grade(lay, analizer, weights, layV.ref);
        if (report.ok) ShowGrading(report, panel);
        return report;
    }

    KeyAnalizer analizer;
    Weights weights;
    CriteriaTable layV;
    CriteriaPanel panel;
    const Layout placed = MakeLayout({{a, 1}, {b, 2}, {c, 3}, {d, 4}});
};

TEST_F(Grading, EachCriterionCountsByItsRatioToTheReferenceAndItsWeight) {
    struct Case {
        const char* name;
        std::size_t i;
        Double ref, weight;  // criterion i's reference figure and weight
        const char* v1;      // the layout's own figure, or the earlier text kept
        const char* vPerc;
        Single grade;
        const char* difGrade;
        const char* currGrade;
    };
    const Case cases[] = {
        // r = 0.5: ratioSum 5.5, the grade 6 / 5.5 - 1.
        {"half the reference", 1, 0.5, 1, "0.25", "100.00%", static_cast<Single>(6.0 / 5.5 - 1),
         "9.09%", "9.75"},
        {"twice the reference", 5, 3.125, 1, "6.25", "-50.00%", static_cast<Single>(6.0 / 7 - 1),
         "-14.29%", "9.75"},
        // Left out of ratioSum and figureSum, while GjSum still holds Gj(3): 6 / 5 - 1.
        {"a zero reference figure", 3, 0, 1, "7.77", "", 0.2f, "20.00%", "8.75"},
        // Shown, but neither the grade nor the weighted sum moves.
        {"a zero weight", 4, 1.5, 0, "0.75", "100.00%", 0.0f, "0.00%", "9.00"},
    };
    const Criteria reference = layV.ref;
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        layV.ref = reference;
        layV.ref[t.i] = t.ref;
        weights.gj[t.i] = t.weight;
        weights.gjSum = 5 + t.weight;
        panel.v1[t.i].SetFixed2(7.77);  // from an earlier grading
        panel.vPerc[t.i].SetPercent(0.5f);
        const GradeReport g = GradeShown(placed);
        weights.gj[t.i] = 1;
        EXPECT_EQ(panel.v1[t.i].Text(), t.v1);
        EXPECT_EQ(panel.vPerc[t.i].Text(), t.vPerc);
        EXPECT_EQ(g.grade, t.grade);
        EXPECT_EQ(panel.difGrade.Text(), t.difGrade);
        EXPECT_EQ(panel.currGrade.Text(), t.currGrade);
    }
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
        const GradeReport g = GradeShown(placed);
        EXPECT_TRUE(g.ok);
        EXPECT_FALSE(g.defined);
        EXPECT_EQ(g.grade, 0.0f);
        EXPECT_EQ(panel.difGrade.Text(), kUndefinedText);
    }
}

TEST_F(Grading, AnAnalyzerFailureGradesZeroWithTheReason) {
    const GradeReport g = Grade(MakeLayout({{a, 9}, {b, 2}}), analizer, weights, layV.ref);
    EXPECT_FALSE(g.ok);
    EXPECT_EQ(g.grade, 0.0f);
    EXPECT_NE(g.error.find("key index 9"), std::string::npos) << g.error;
}

// A new best takes the current column; the reference column comes from the figures alone.
TEST_F(Grading, TheBestAndReferenceColumnsShowWhatTheirRulesSay) {
    layV.ref[1] = 0.5;
    const GradeReport g = GradeShown(placed);
    ShowBest(panel);
    EXPECT_EQ(panel.bestGrade.Text(), GradeText(g.grade).Text());
    EXPECT_EQ(panel.bestGrade.Text(), "9.09%");
    for (std::size_t i = 1; i <= 6; ++i) EXPECT_EQ(panel.vMaxPerc[i].Text(), panel.vPerc[i].Text());
    ShowReference(layV.ref, ReferenceAbsolute(layV.ref, weights.gj), panel);
    EXPECT_EQ(panel.v0Perc[5].Text(), "6.25");
    EXPECT_EQ(panel.refGrade.Text(), "10.00");  // 0.5 + 1 + 1 + 0.75 + 6.25 + 0.5
}

}  // namespace
}  // namespace antkeys
