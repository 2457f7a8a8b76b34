#pragma once
// The digraph terms of up to eight swaps ranked side by side. Each swap keeps its own running
// sum, and every sum gets its terms in the same order, with the same subtract, multiply and
// add, as when the swap is ranked alone; running eight independent sums at once only hides
// the latency of the additions, so the figures are the same bits.
#include <array>
#include <cstddef>
#include <cstdint>

namespace antkeys {

// One digraph of a character's list: the character itself ("self") and the other one.
// A digraph (x, y) sits at key pair index key(x) * (nKeys + 1) + key(y), that is
// key(self) * mulSelf + key(other) * mulOther; a digraph of the character with itself has
// mulSelf = nKeys + 2 and mulOther = 0.
struct TouchEntry {
    double freq = 0;
    double before = 0;  // its cost on the prepared layout
    std::int32_t mulSelf = 0;
    std::int32_t mulOther = 0;
    std::int32_t other = 0;     // character code of the other character
    std::int32_t otherKey = 0;  // its key on the prepared layout
};

struct SwapLanes {
    static constexpr int kWidth = 8;
    std::array<std::int32_t, kWidth> key{};      // where the list's character goes
    std::array<std::int32_t, kWidth> partner{};  // the character it is swapped with
    std::array<double, kWidth> sum{};            // running sums, one per swap
};

struct SwapLaneKernels {
    // The list of the character moved first: a digraph with the partner sees the partner on
    // `partnerKey` (the key the moved character leaves).
    void (*own)(const TouchEntry* begin, const TouchEntry* end, const double* cost,
                std::int32_t partnerKey, SwapLanes& lanes);
    // The partner's list, continuing the sums: digraphs with the first character are left out
    // (they were counted in its list).
    void (*partner)(const TouchEntry* begin, const TouchEntry* end, const double* cost,
                    SwapLanes& lanes);
};

SwapLaneKernels PortableSwapLanes();

// The AVX-512 kernels, or null members when this processor has no AVX-512F.
SwapLaneKernels VectorSwapLanes();

// The vector kernels where the processor has them, unless ANTKEYS_PORTABLE is 1.
SwapLaneKernels ChosenSwapLanes();

}  // namespace antkeys
