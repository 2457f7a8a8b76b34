#include "eval/grading.hpp"

#include <array>
#include <cmath>

namespace antkeys {

GradeResult EvaluateLay(const Layout& lay, const KeyAnalizer& analizer, const Weights& weights,
                        CriteriaTable& layV, CriteriaPanel& panel, Yielder& yielder) {
    // The figures are this grading's own: another grading that runs inside one of the yields
    // cannot change them, so the grade returned always belongs to `lay`.
    Criteria v{};
    std::string why;
    if (!analizer.CalcV1_6(lay, v, &why)) return GradeResult{0, false, std::move(why)};
    yielder.Yield();

    // Relative figures, kept as numbers until they are written to the panel.
    enum class Rel : unsigned char { Empty, Value, PlusInfinity };
    std::array<Rel, 7> relKind{};
    std::array<Single, 7> rel{};
    Single ratioSum = 0;
    Single figureSum = 0;
    for (std::size_t i = 1; i <= 6; ++i) {
        const double ref = layV.ref[i];
        if (!(ref > 0)) {
            relKind[i] = Rel::Empty;
            continue;
        }
        const auto r = static_cast<Single>(v[i] / ref);
        if (r == 0) {
            // A layout figure of 0 against a positive one: infinitely better. r = 0 still
            // counts in the sum like any other ratio.
            relKind[i] = Rel::PlusInfinity;
        } else {
            relKind[i] = Rel::Value;
            rel[i] = 1.0f / r - 1.0f;
        }
        ratioSum = static_cast<Single>(static_cast<double>(ratioSum) +
                                       static_cast<double>(r) * weights.gj[i]);
        figureSum = static_cast<Single>(static_cast<double>(figureSum) + v[i] * weights.gj[i]);
    }
    yielder.Yield();

    auto grade = static_cast<Single>(weights.gjSum / static_cast<double>(ratioSum) - 1.0);
    const bool defined = ratioSum != 0 && std::isfinite(grade);
    if (!defined) grade = 0;

    // Every write happens here, after the last yield, so the panel shows one layout at a time.
    layV.last = v;
    for (std::size_t i = 1; i <= 6; ++i) {
        switch (relKind[i]) {
            case Rel::Empty:
                panel.vPerc[i].SetEmpty();
                break;
            case Rel::Value:
                panel.v1[i].SetFixed2(v[i]);
                panel.vPerc[i].SetPercent(rel[i]);
                break;
            case Rel::PlusInfinity:
                panel.v1[i].SetFixed2(v[i]);
                panel.vPerc[i].SetPlusInfinity();
                break;
        }
    }
    panel.currGrade.SetFixed2(figureSum);
    if (defined)
        panel.difGrade.SetPercent(grade);
    else
        panel.difGrade.SetUndefined();
    ++panel.version;
    return GradeResult{grade, true, {}};
}

Single ShowReference(const Criteria& ref, const GjTable& gj, CriteriaPanel& panel) {
    Single refGrade = 0;
    for (std::size_t i = 1; i <= 6; ++i) {
        panel.v0Perc[i].SetFixed2(ref[i]);
        refGrade = static_cast<Single>(static_cast<double>(refGrade) + gj[i] * ref[i]);
    }
    panel.refGrade.SetFixed2(refGrade);
    ++panel.version;
    return refGrade;
}

}  // namespace antkeys
