#pragma once
// Grading a layout against the reference layout: figures in, figures out. Nothing here writes
// a panel or yields; each host shows the report in its own way (eval/panel.hpp).
#include <array>
#include <cstdint>
#include <string>

#include "data/message.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "eval/criteria.hpp"
#include "eval/key_analizer.hpp"

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

// What a criterion's figure is against the reference figure.
enum class Relative : std::uint8_t {
    None,          // the reference figure is 0 or below: the criterion does not count
    Value,         // rel[i] = Vref / V - 1, worked out in Single from r = V / Vref
    PlusInfinity,  // V is 0 against a positive Vref: infinitely better; r = 0 still counts
};

// The grading of one layout.
struct GradeReport {
    bool ok = true;     // false when the analyzer could not grade the layout
    std::string error;  // set only when !ok
    Criteria v{};       // V1..V6 of the layout
    std::array<Relative, 7> relKind{};
    std::array<Single, 7> rel{};  // meaningful where relKind is Value
    Single absolute = 0;          // the weighted sum of the counted figures
    // GjSum / (sum of Gj * V / Vref) - 1; 0 when that cannot be worked out (no criterion
    // counted, or not finite), and then defined is false. 0 too when !ok.
    Single grade = 0;
    bool defined = true;
};

// Grades `lay` against the reference figures `ref`. Writes nothing and allocates nothing
// unless the analyzer fails.
GradeReport Grade(const Layout& lay, const KeyAnalizer& analizer, const Weights& weights,
                  const Criteria& ref);

// The weighted sum of the reference figures (a Single, summed in criterion order): the
// reference layout's absolute figure.
Single ReferenceAbsolute(const Criteria& ref, const GjTable& gj);

}  // namespace antkeys
