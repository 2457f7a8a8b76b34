#pragma once
// The digraph pass over per-key-pair factors: for each digraph, in order, its frequency goes
// to the load of its second key and, times the four factors of its key pair, to V3..V6.
// A factor is 1 or 0 for V3 and V6, the travel distance or 0 for V4 and the Kdi value or 0
// for V5; multiplying by 1 and adding +0 change nothing, so the sums are the same bits as a
// pass that tests each rule per digraph.
#include <array>
#include <cstddef>

#include "data/types.hpp"
#include "eval/kernel_choice.hpp"
#include "eval/key_loads.hpp"

namespace antkeys {

// The factors of one key pair (first key, second key), each a whole number that a float holds
// exactly. Order: V3, V4, V5, V6.
struct alignas(16) PairFactors {
    float f[4] = {0, 0, 0, 0};
};

struct PairPassInput {
    const Byte* first = nullptr;   // DiGraphs0
    const Byte* second = nullptr;  // DiGraphs1
    const double* freq = nullptr;  // DiGraphsFreq
    std::size_t nDi = 0;
    const PairFactors* pairs = nullptr;  // (k1, k2) at k1 * stride + k2
    std::size_t stride = 0;
};

using PairSums = std::array<double, 4>;  // V3..V6

// Adds into `load` (which the caller zeroes) and returns V3..V6.
using PairPassFn = PairSums (*)(const PairPassInput& in, const Layout& lay, KeyLoadTable& load);

PairSums PairPassPortable(const PairPassInput& in, const Layout& lay, KeyLoadTable& load);

// The vector form of the same pass, or null when this processor has no AVX2.
PairPassFn VectorPairPass();

// The pass of a kernel choice: for kFastest the vector one where the processor has it.
PairPassFn ChosenPairPass(KernelChoice choice);

}  // namespace antkeys
