#include "search/swap_lanes.hpp"

#include <cstdlib>
#include <cstring>

namespace antkeys {
namespace {

void OwnPortable(const TouchEntry* begin, const TouchEntry* end, const double* cost,
                 std::int32_t partnerKey, SwapLanes& lanes) {
    std::array<double, SwapLanes::kWidth> sum = lanes.sum;
    for (const TouchEntry* e = begin; e != end; ++e) {
#pragma GCC unroll 8
        for (std::size_t l = 0; l < SwapLanes::kWidth; ++l) {
            const std::int32_t other = e->other == lanes.partner[l] ? partnerKey : e->otherKey;
            const auto pair = static_cast<std::size_t>(lanes.key[l] * e->mulSelf +
                                                       other * e->mulOther);
            sum[l] += e->freq * (cost[pair] - e->before);
        }
    }
    lanes.sum = sum;
}

void PartnerPortable(const TouchEntry* begin, const TouchEntry* end, const double* cost,
                     SwapLanes& lanes) {
    std::array<double, SwapLanes::kWidth> sum = lanes.sum;
    for (const TouchEntry* e = begin; e != end; ++e) {
#pragma GCC unroll 8
        for (std::size_t l = 0; l < SwapLanes::kWidth; ++l) {
            const auto pair = static_cast<std::size_t>(lanes.key[l] * e->mulSelf +
                                                       e->otherKey * e->mulOther);
            const double term = e->freq * (cost[pair] - e->before);
            // Adding +0 leaves a sum as it was (no sum here is ever -0), so a left-out term
            // is a zero instead of a branch.
            sum[l] += e->other == lanes.partner[l] ? 0.0 : term;
        }
    }
    lanes.sum = sum;
}

}  // namespace

SwapLaneKernels PortableSwapLanes() { return {OwnPortable, PartnerPortable}; }

SwapLaneKernels ChosenSwapLanes() {
    const char* portable = std::getenv("ANTKEYS_PORTABLE");
    if (portable && std::strcmp(portable, "1") == 0) return PortableSwapLanes();
    const SwapLaneKernels vector = VectorSwapLanes();
    return vector.own ? vector : PortableSwapLanes();
}

}  // namespace antkeys
