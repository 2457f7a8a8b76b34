// The swap lanes as vectors: the eight sums in two AVX2 registers, each digraph's eight costs
// one row of the block's table. Each lane gets the same subtract, multiply and add as the
// portable kernels, in the same order, with no fused multiply-add, so the sums are the same bits.
#include "search/swap_lanes.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace antkeys {
namespace {

#define ANTKEYS_AVX2 __attribute__((target("avx2")))

// Lanes 0-3 and 4-7 of a 32-bit lane mask as two 64-bit lane masks.
ANTKEYS_AVX2 inline __m256d Low(__m256i mask) {
    return _mm256_castsi256_pd(_mm256_cvtepi32_epi64(_mm256_castsi256_si128(mask)));
}
ANTKEYS_AVX2 inline __m256d High(__m256i mask) {
    return _mm256_castsi256_pd(_mm256_cvtepi32_epi64(_mm256_extracti128_si256(mask, 1)));
}

ANTKEYS_AVX2 void OwnAvx2Block(const TouchEntry* begin, const TouchEntry* end,
                               const LaneBlock& block, std::int32_t partnerKey, double* sums) {
    const double* table = block.Rows();
    const __m256i letters =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block.letter.data()));
    __m256d low = _mm256_loadu_pd(sums), high = _mm256_loadu_pd(sums + 4);
    for (const TouchEntry* e = begin; e != end; ++e) {
        const __m256i isPartner = _mm256_cmpeq_epi32(letters, _mm256_set1_epi32(e->other));
        const double* row = table + e->row * kLanes;
        __m256d afterLow = _mm256_loadu_pd(row), afterHigh = _mm256_loadu_pd(row + 4);
        if (!_mm256_testz_si256(isPartner, isPartner)) {
            const double* partnerRow = table + (e->rowBase + partnerKey) * kLanes;
            afterLow = _mm256_blendv_pd(afterLow, _mm256_loadu_pd(partnerRow), Low(isPartner));
            afterHigh =
                _mm256_blendv_pd(afterHigh, _mm256_loadu_pd(partnerRow + 4), High(isPartner));
        }
        const __m256d before = _mm256_set1_pd(e->before), freq = _mm256_set1_pd(e->freq);
        low = _mm256_add_pd(low, _mm256_mul_pd(freq, _mm256_sub_pd(afterLow, before)));
        high = _mm256_add_pd(high, _mm256_mul_pd(freq, _mm256_sub_pd(afterHigh, before)));
    }
    _mm256_storeu_pd(sums, low);
    _mm256_storeu_pd(sums + 4, high);
}

ANTKEYS_AVX2 void PartnerAvx2Block(const TouchEntry* begin, const TouchEntry* end,
                                   const LaneBlock& block, double* sums) {
    const double* table = block.Rows();
    const __m256i letters =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block.letter.data()));
    __m256d low = _mm256_loadu_pd(sums), high = _mm256_loadu_pd(sums + 4);
    for (const TouchEntry* e = begin; e != end; ++e) {
        // A left-out term is +0, which leaves a sum as it was (no sum here is ever -0).
        const __m256i skip = _mm256_cmpeq_epi32(letters, _mm256_set1_epi32(e->other));
        const double* row = table + e->row * kLanes;
        const __m256d before = _mm256_set1_pd(e->before), freq = _mm256_set1_pd(e->freq);
        const __m256d termLow = _mm256_mul_pd(freq, _mm256_sub_pd(_mm256_loadu_pd(row), before));
        const __m256d termHigh =
            _mm256_mul_pd(freq, _mm256_sub_pd(_mm256_loadu_pd(row + 4), before));
        low = _mm256_add_pd(low, _mm256_andnot_pd(Low(skip), termLow));
        high = _mm256_add_pd(high, _mm256_andnot_pd(High(skip), termHigh));
    }
    _mm256_storeu_pd(sums, low);
    _mm256_storeu_pd(sums + 4, high);
}

// AVX2 has half the registers: one block at a time.
ANTKEYS_AVX2 void OwnAvx2(const TouchEntry* begin, const TouchEntry* end,
                          const LaneBlock* const* blocks, std::size_t nBlocks,
                          std::int32_t partnerKey, double* sums) {
    for (std::size_t b = 0; b < nBlocks; ++b)
        OwnAvx2Block(begin, end, *blocks[b], partnerKey, sums + b * kLanes);
}

ANTKEYS_AVX2 void PartnerAvx2(const TouchEntry* begin, const TouchEntry* end,
                              const LaneBlock* const* blocks, std::size_t nBlocks, double* sums) {
    for (std::size_t b = 0; b < nBlocks; ++b)
        PartnerAvx2Block(begin, end, *blocks[b], sums + b * kLanes);
}

}  // namespace

SwapLaneKernels VectorSwapLanes() {
    if (__builtin_cpu_supports("avx2")) return {OwnAvx2, PartnerAvx2};
    return {nullptr, nullptr};
}

}  // namespace antkeys

#else

namespace antkeys {
SwapLaneKernels VectorSwapLanes() {
    return {nullptr, nullptr};
}
}  // namespace antkeys

#endif
