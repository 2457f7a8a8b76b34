// The swap lanes as vectors: the eight sums in one AVX-512 register (or two AVX2 ones), the
// costs fetched with a gather. Each lane gets the same subtract, multiply and add as the
// portable kernels, in the same order, with no fused multiply-add, so the sums are the same
// bits.
#include "search/swap_lanes.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include <cstdlib>
#include <cstring>

namespace antkeys {
namespace {

#define ANTKEYS_AVX512 __attribute__((target("avx512f,avx512vl,avx2")))
#define ANTKEYS_AVX2 __attribute__((target("avx2")))

// The cost of every lane's key pair. (The masked gather with all lanes on is the plain one;
// GCC 12 warns about the plain one's uninitialised source.)
ANTKEYS_AVX512 inline __m512d Costs(__m256i pair, const double* cost) {
    return _mm512_mask_i32gather_pd(_mm512_setzero_pd(), 0xFF, pair, cost, 8);
}

// The key pair index of every lane: key * mulSelf + otherKey * mulOther.
ANTKEYS_AVX2 inline __m256i PairIndex(__m256i key, const TouchEntry& e, __m256i otherKey) {
    return _mm256_add_epi32(_mm256_mullo_epi32(key, _mm256_set1_epi32(e.mulSelf)),
                            _mm256_mullo_epi32(otherKey, _mm256_set1_epi32(e.mulOther)));
}

ANTKEYS_AVX512 void OwnAvx512(const TouchEntry* begin, const TouchEntry* end, const double* cost,
                              std::int32_t partnerKey, SwapLanes& lanes) {
    __m512d sum = _mm512_loadu_pd(lanes.sum.data());
    const __m256i key = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.key.data()));
    const __m256i partner =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.partner.data()));
    const __m256i onPartnerKey = _mm256_set1_epi32(partnerKey);
    for (const TouchEntry* e = begin; e != end; ++e) {
        const __mmask8 isPartner = _mm256_cmpeq_epi32_mask(partner, _mm256_set1_epi32(e->other));
        const __m256i otherKey =
            _mm256_mask_blend_epi32(isPartner, _mm256_set1_epi32(e->otherKey), onPartnerKey);
        const __m512d after = Costs(PairIndex(key, *e, otherKey), cost);
        const __m512d change = _mm512_sub_pd(after, _mm512_set1_pd(e->before));
        sum = _mm512_add_pd(sum, _mm512_mul_pd(_mm512_set1_pd(e->freq), change));
    }
    _mm512_storeu_pd(lanes.sum.data(), sum);
}

ANTKEYS_AVX512 void PartnerAvx512(const TouchEntry* begin, const TouchEntry* end,
                                  const double* cost, SwapLanes& lanes) {
    __m512d sum = _mm512_loadu_pd(lanes.sum.data());
    const __m256i key = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.key.data()));
    const __m256i partner =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.partner.data()));
    for (const TouchEntry* e = begin; e != end; ++e) {
        // Lanes whose partner is in this digraph skip it (the masked add leaves them as they
        // are).
        const __mmask8 counted = _mm256_cmpneq_epi32_mask(partner, _mm256_set1_epi32(e->other));
        const __m512d after = Costs(PairIndex(key, *e, _mm256_set1_epi32(e->otherKey)), cost);
        const __m512d change = _mm512_sub_pd(after, _mm512_set1_pd(e->before));
        sum = _mm512_mask_add_pd(sum, counted, sum, _mm512_mul_pd(_mm512_set1_pd(e->freq), change));
    }
    _mm512_storeu_pd(lanes.sum.data(), sum);
}

// The same with AVX2: lanes 0-3 and 4-7 in two registers.
ANTKEYS_AVX2 inline void AddTerms(__m256d& low, __m256d& high, __m256i pair, __m256i counted,
                                  const TouchEntry& e, const double* cost) {
    const __m256d before = _mm256_set1_pd(e.before);
    const __m256d freq = _mm256_set1_pd(e.freq);
    const __m256d afterLow = _mm256_mask_i32gather_pd(_mm256_setzero_pd(), cost,
                                                      _mm256_castsi256_si128(pair),
                                                      _mm256_set1_pd(-1.0), 8);
    const __m256d afterHigh = _mm256_mask_i32gather_pd(_mm256_setzero_pd(), cost,
                                                       _mm256_extracti128_si256(pair, 1),
                                                       _mm256_set1_pd(-1.0), 8);
    // A left-out term is +0, which leaves a sum as it was (no sum here is ever -0).
    const __m256d termLow = _mm256_and_pd(
        _mm256_mul_pd(freq, _mm256_sub_pd(afterLow, before)),
        _mm256_castsi256_pd(_mm256_cvtepi32_epi64(_mm256_castsi256_si128(counted))));
    const __m256d termHigh = _mm256_and_pd(
        _mm256_mul_pd(freq, _mm256_sub_pd(afterHigh, before)),
        _mm256_castsi256_pd(_mm256_cvtepi32_epi64(_mm256_extracti128_si256(counted, 1))));
    low = _mm256_add_pd(low, termLow);
    high = _mm256_add_pd(high, termHigh);
}

ANTKEYS_AVX2 void OwnAvx2(const TouchEntry* begin, const TouchEntry* end, const double* cost,
                          std::int32_t partnerKey, SwapLanes& lanes) {
    __m256d low = _mm256_loadu_pd(lanes.sum.data());
    __m256d high = _mm256_loadu_pd(lanes.sum.data() + 4);
    const __m256i key = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.key.data()));
    const __m256i partner =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.partner.data()));
    const __m256i onPartnerKey = _mm256_set1_epi32(partnerKey);
    const __m256i all = _mm256_set1_epi32(-1);
    for (const TouchEntry* e = begin; e != end; ++e) {
        const __m256i isPartner = _mm256_cmpeq_epi32(partner, _mm256_set1_epi32(e->other));
        const __m256i otherKey =
            _mm256_blendv_epi8(_mm256_set1_epi32(e->otherKey), onPartnerKey, isPartner);
        AddTerms(low, high, PairIndex(key, *e, otherKey), all, *e, cost);
    }
    _mm256_storeu_pd(lanes.sum.data(), low);
    _mm256_storeu_pd(lanes.sum.data() + 4, high);
}

ANTKEYS_AVX2 void PartnerAvx2(const TouchEntry* begin, const TouchEntry* end,
                              const double* cost, SwapLanes& lanes) {
    __m256d low = _mm256_loadu_pd(lanes.sum.data());
    __m256d high = _mm256_loadu_pd(lanes.sum.data() + 4);
    const __m256i key = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.key.data()));
    const __m256i partner =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes.partner.data()));
    const __m256i all = _mm256_set1_epi32(-1);
    for (const TouchEntry* e = begin; e != end; ++e) {
        const __m256i counted =
            _mm256_xor_si256(_mm256_cmpeq_epi32(partner, _mm256_set1_epi32(e->other)), all);
        AddTerms(low, high, PairIndex(key, *e, _mm256_set1_epi32(e->otherKey)), counted, *e,
                 cost);
    }
    _mm256_storeu_pd(lanes.sum.data(), low);
    _mm256_storeu_pd(lanes.sum.data() + 4, high);
}

}  // namespace

SwapLaneKernels VectorSwapLanes() {
    const char* width = std::getenv("ANTKEYS_VECTOR");  // "avx2": skip AVX-512 (comparisons)
    const bool avx2Only = width && std::strcmp(width, "avx2") == 0;
    if (!avx2Only && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl"))
        return {OwnAvx512, PartnerAvx512};
    if (__builtin_cpu_supports("avx2")) return {OwnAvx2, PartnerAvx2};
    return {nullptr, nullptr};
}

}  // namespace antkeys

#else

namespace antkeys {
SwapLaneKernels VectorSwapLanes() { return {nullptr, nullptr}; }
}  // namespace antkeys

#endif
