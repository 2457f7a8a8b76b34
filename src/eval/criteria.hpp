#pragma once
#include <array>

namespace antkeys {

// V1..V6 of one layout; index 0 is not used.
using Criteria = std::array<double, 7>;

// The reference layout's figures, every grading's measure.
struct CriteriaTable {
    Criteria ref{};
};

}  // namespace antkeys
