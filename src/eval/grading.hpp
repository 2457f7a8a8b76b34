#pragma once
// Grading a layout against the reference layout, and the analyzer set-up at start.
#include <string>

#include "data/message.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "eval/criteria.hpp"
#include "eval/key_analizer.hpp"
#include "eval/panel.hpp"

namespace antkeys {

// A point where the host may run pending events (the window) or check its signals (the tool).
class Yielder {
  public:
    virtual ~Yielder() = default;
    virtual void Yield() = 0;
};

class NoYield final : public Yielder {
  public:
    void Yield() override {}
};

struct GradeResult {
    Single grade = 0;   // 0 when the grade is undefined; never NaN or infinite
    bool ok = true;     // false when the analyzer could not grade the layout
    std::string error;  // set only when !ok
};

// EvaluateLay: grades `lay`, writes layV.last and the current-layout boxes of the panel
// (txtV1, txtVPerc, txtCurrGrade, txtDifGrade) and yields twice. Allocation-free unless the
// analyzer fails.
// The grading works on figures of its own and writes layV and the panel only after its last
// yield, so a grading run inside a yield neither changes this one's grade nor leaves the
// panel showing two layouts at once. A layout figure of 0 against a positive reference figure
// shows "+inf%" and counts as a ratio of 0; a grade that cannot be worked out (no criterion
// counted, or not finite) is 0 and txtDifGrade shows it as undefined. When the analyzer fails
// the result is not ok, its grade 0, and layV and the panel are left as they were.
GradeResult EvaluateLay(const Layout& lay, const KeyAnalizer& analizer, const Weights& weights,
                        CriteriaTable& layV, CriteriaPanel& panel, Yielder& yielder);

// The reference column of the panel: txtV0Perc(1..6) from the reference figures and
// txtRefGrade from their weighted sum, which is returned (a Single, summed in criterion order).
Single ShowReference(const Criteria& ref, const GjTable& gj, CriteriaPanel& panel);

}  // namespace antkeys
