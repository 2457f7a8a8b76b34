#include "eval/grading.hpp"

#include <cmath>

namespace antkeys {

GradeReport Grade(const Layout& lay, const KeyAnalizer& analizer, const Weights& weights,
                  const Criteria& ref) {
    GradeReport report;
    if (!analizer.CalcV1_6(lay, report.v, &report.error)) {
        report.ok = false;
        report.v = {};
        return report;
    }
    const Criteria& v = report.v;
    Single ratioSum = 0;
    Single figureSum = 0;
    for (std::size_t i = 1; i <= 6; ++i) {
        if (!(ref[i] > 0)) {
            report.relKind[i] = Relative::None;
            continue;
        }
        const auto r = static_cast<Single>(v[i] / ref[i]);
        if (r == 0) {
            report.relKind[i] = Relative::PlusInfinity;
        } else {
            report.relKind[i] = Relative::Value;
            report.rel[i] = 1.0f / r - 1.0f;
        }
        ratioSum = static_cast<Single>(static_cast<double>(ratioSum) +
                                       static_cast<double>(r) * weights.gj[i]);
        figureSum = static_cast<Single>(static_cast<double>(figureSum) + v[i] * weights.gj[i]);
    }
    report.absolute = figureSum;
    auto grade = static_cast<Single>(weights.gjSum / static_cast<double>(ratioSum) - 1.0);
    report.defined = ratioSum != 0 && std::isfinite(grade);
    report.grade = report.defined ? grade : 0;
    return report;
}

Single ReferenceAbsolute(const Criteria& ref, const GjTable& gj) {
    Single sum = 0;
    for (std::size_t i = 1; i <= 6; ++i)
        sum = static_cast<Single>(static_cast<double>(sum) + gj[i] * ref[i]);
    return sum;
}

}  // namespace antkeys
