#pragma once
// Digraph counts, target load, finger-pair table and criterion weights.
#include <array>
#include <vector>

#include "data/types.hpp"

namespace antkeys {

struct DigraphTables {
    std::vector<Byte> first;   // DiGraphs0
    std::vector<Byte> second;  // DiGraphs1
    std::vector<Long> count;   // DiGraphsCount
    int nDi() const { return static_cast<int>(first.size()); }
};

using BestLoadTable = std::array<Double, kMaxKeys + 1>;  // BestLoad(0..64)
using KdiTable = std::array<std::array<Byte, 6>, 6>;     // Kdi(0..5, 0..5)
using GjTable = std::array<Double, 7>;                   // Gj(0..6)

struct Weights {
    BestLoadTable bestLoad{};
    KdiTable kdi{};
    GjTable gj{};
    Double gjSum = 0;
};

}  // namespace antkeys
