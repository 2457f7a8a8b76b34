// The pair pass with the four sums V3..V6 as the four lanes of one AVX2 register. Each lane
// gets the same multiply and the same add as the portable pass, in the same digraph order
// (no fused multiply-add), so the results are the same bits.
#include "eval/pair_pass.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace antkeys {
namespace {

__attribute__((target("avx2"))) PairSums PairPassAvx2(const PairPassInput& in, const Layout& lay,
                                                      KeyLoadTable& load) {
    __m256d sums = _mm256_setzero_pd();
    const PairFactors* pairs = in.pairs;
    for (std::size_t i = 0; i < in.nDi; ++i) {
        const Byte k1 = lay[in.first[i]];
        const Byte k2 = lay[in.second[i]];
        const double f = in.freq[i];
        load[k2] += f;
        const __m256d factors =
            _mm256_cvtps_pd(_mm_load_ps(pairs[std::size_t{k1} * in.stride + k2].f));
        sums = _mm256_add_pd(sums, _mm256_mul_pd(_mm256_set1_pd(f), factors));
    }
    PairSums out;
    _mm256_storeu_pd(out.data(), sums);
    return out;
}

}  // namespace

PairPassFn VectorPairPass() {
    return __builtin_cpu_supports("avx2") ? PairPassAvx2 : nullptr;
}

}  // namespace antkeys

#else

namespace antkeys {
PairPassFn VectorPairPass() {
    return nullptr;
}
}  // namespace antkeys

#endif
