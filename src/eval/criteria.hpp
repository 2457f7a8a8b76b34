#pragma once
#include <array>

namespace antkeys {

// V1..V6 of one layout; index 0 is not used.
using Criteria = std::array<double, 7>;

// LayV: the reference layout's figures (column 1) and the last graded layout's (column 2).
struct CriteriaTable {
    Criteria ref{};
    Criteria last{};
};

}  // namespace antkeys
