#pragma once
// The digraph terms of eight moves ranked side by side. Each move keeps its own running sum,
// and every sum gets its terms in the same order, with the same subtract, multiply and add, as
// when the move is ranked alone; running eight independent sums at once only hides the
// latency of the additions, so the figures are the same bits.
//
// The eight moves of a run send the listed character to eight keys (a block). A block's
// table holds, per row, the costs of the eight key pairs a digraph can land on, so one row
// read gives a digraph's after-move cost for all eight moves.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "eval/kernel_choice.hpp"

namespace antkeys {

inline constexpr int kLanes = 8;

// One digraph of a character's list: the character itself ("self") and the other one.
// A digraph (x, y) sits at key pair index key(x) * (nKeys + 1) + key(y), that is
// key(self) * mulSelf + key(other) * mulOther. In a block table it is row rowBase + key(other)
// (self first: rowBase 0, self second: rowBase nKeys + 1); a digraph of the character with
// itself has other = kNoCode, rowBase 0 and row 2 * (nKeys + 1).
struct TouchEntry {
    static constexpr std::int32_t kNoCode = -2;
    double freq = 0;
    double before = 0;  // its cost on the prepared layout
    std::int32_t mulSelf = 0;
    std::int32_t mulOther = 0;
    std::int32_t other = 0;     // character code of the other character
    std::int32_t otherKey = 0;  // its key on the prepared layout
    std::int32_t rowBase = 0;
    std::int32_t row = 0;  // rowBase + otherKey, or the row of a digraph with itself
};

// Eight keys, the letters on them (-1 for none) and their table: row r, lane l holds
// cost(key_l, r) for r < n, cost(r - n, key_l) for n <= r < 2n, and cost(key_l, key_l) at 2n
// (n = nKeys + 1, cost(k1, k2) = cost[k1 * n + k2]).
struct LaneBlock {
    std::array<std::int32_t, kLanes> key{};
    std::array<std::int32_t, kLanes> letter{};
    void Build(const double* cost, std::size_t n);
    // The rows, each on a 64-byte boundary so a row is one cache line.
    const double* Rows() const { return storage_.data() + offset_; }

  private:
    std::vector<double> storage_;
    std::size_t offset_ = 0;
};

// A kernel runs one list against up to kMaxBlocks blocks at once (independent sums, so the
// additions of one block wait less for each other); `sums` holds 8 per block.
inline constexpr std::size_t kMaxBlocks = 4;

struct SwapLaneKernels {
    // The list of the character that moves to each lane's key. A digraph whose other
    // character is a lane's letter (its swap partner) sees that letter on `partnerKey`, the
    // key the moving character leaves.
    void (*own)(const TouchEntry* begin, const TouchEntry* end, const LaneBlock* const* blocks,
                std::size_t nBlocks, std::int32_t partnerKey, double* sums);
    // The list of the partner, which moves to each lane's key, continuing the sums: digraphs
    // whose other character is the lane's letter are left out (counted in that letter's list).
    void (*partner)(const TouchEntry* begin, const TouchEntry* end, const LaneBlock* const* blocks,
                    std::size_t nBlocks, double* sums);
};

SwapLaneKernels PortableSwapLanes();

// The AVX2 kernels, or null members when the processor has no AVX2. (AVX-512 kernels were
// measured slower than these on an AVX-512 processor and are gone.)
SwapLaneKernels VectorSwapLanes();

// The kernels of a kernel choice: for kFastest the vector ones where the processor has them.
SwapLaneKernels ChosenSwapLanes(KernelChoice choice);

}  // namespace antkeys
