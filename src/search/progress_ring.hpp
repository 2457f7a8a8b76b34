#pragma once
// The progress graph's data: average, lowest and highest grade of every group of 200
// layouts, in a ring of 101 points.
#include <array>

#include "data/types.hpp"

namespace antkeys {

struct ProgressRing {
    static constexpr int kPoints = 101;
    static constexpr int kGroup = 200;

    std::array<Single, kPoints> avrg{};  // GrAvrg
    std::array<Single, kPoints> min{};   // GrMin
    std::array<Single, kPoints> max{};   // GrMax
    Integer pos = 0;                     // GrPos: where the next point goes; the oldest point
    Single sum = 0;                      // GrSum of the group in progress
    Integer count = 0;                   // GrCount of the group in progress
};

}  // namespace antkeys
