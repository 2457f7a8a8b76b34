#include "search/swap_lanes.hpp"

#include <algorithm>
#include <cstdint>

#include "eval/pair_pass.hpp"

namespace antkeys {

void LaneBlock::Build(const double* cost, std::size_t n) {
    storage_.resize((2 * n + 1) * kLanes + kLanes - 1);
    const auto address = reinterpret_cast<std::uintptr_t>(storage_.data());
    offset_ = (64 - address % 64) % 64 / sizeof(double);
    double* table = storage_.data() + offset_;
    for (std::size_t l = 0; l < kLanes; ++l) {
        const auto k = static_cast<std::size_t>(key[l]);
        for (std::size_t r = 0; r < n; ++r) {
            table[r * kLanes + l] = cost[k * n + r];
            table[(n + r) * kLanes + l] = cost[r * n + k];
        }
        table[2 * n * kLanes + l] = cost[k * n + k];
    }
}

namespace {

void OwnPortable(const TouchEntry* begin, const TouchEntry* end, const LaneBlock* const* blocks,
                 std::size_t nBlocks, std::int32_t partnerKey, double* sums) {
    for (std::size_t b = 0; b < nBlocks; ++b) {
        const LaneBlock& block = *blocks[b];
        const double* table = block.Rows();
        // The sums in locals, so they stay in registers (the table could alias `sums`).
        std::array<double, kLanes> sum{};
        std::copy(sums + b * kLanes, sums + (b + 1) * kLanes, sum.begin());
        for (const TouchEntry* e = begin; e != end; ++e) {
            const double* row = table + e->row * kLanes;
            const double* partnerRow = table + (e->rowBase + partnerKey) * kLanes;
            for (std::size_t l = 0; l < kLanes; ++l) {
                const double after = e->other == block.letter[l] ? partnerRow[l] : row[l];
                sum[l] += e->freq * (after - e->before);
            }
        }
        std::copy(sum.begin(), sum.end(), sums + b * kLanes);
    }
}

void PartnerPortable(const TouchEntry* begin, const TouchEntry* end, const LaneBlock* const* blocks,
                     std::size_t nBlocks, double* sums) {
    for (std::size_t b = 0; b < nBlocks; ++b) {
        const LaneBlock& block = *blocks[b];
        const double* table = block.Rows();
        std::array<double, kLanes> sum{};
        std::copy(sums + b * kLanes, sums + (b + 1) * kLanes, sum.begin());
        for (const TouchEntry* e = begin; e != end; ++e) {
            const double* row = table + e->row * kLanes;
            for (std::size_t l = 0; l < kLanes; ++l) {
                const double term = e->freq * (row[l] - e->before);
                // Adding +0 leaves a sum as it was (no sum here is ever -0), so a left-out
                // term is a zero instead of a branch.
                sum[l] += e->other == block.letter[l] ? 0.0 : term;
            }
        }
        std::copy(sum.begin(), sum.end(), sums + b * kLanes);
    }
}

}  // namespace

SwapLaneKernels PortableSwapLanes() {
    return {OwnPortable, PartnerPortable};
}

SwapLaneKernels ChosenSwapLanes(KernelChoice choice) {
    if (choice == KernelChoice::kPortable) return PortableSwapLanes();
    const SwapLaneKernels vector = VectorSwapLanes();
    return vector.own ? vector : PortableSwapLanes();
}

}  // namespace antkeys
