#include "eval/pair_pass.hpp"

namespace antkeys {

PairSums PairPassPortable(const PairPassInput& in, const Layout& lay, KeyLoadTable& load) {
    // Four sums in locals, so they stay in registers; each gets one addend per digraph, in
    // digraph order.
    double v3 = 0, v4 = 0, v5 = 0, v6 = 0;
    for (std::size_t i = 0; i < in.nDi; ++i) {
        const Byte k1 = lay[in.first[i]];
        const Byte k2 = lay[in.second[i]];
        const double f = in.freq[i];
        load[k2] += f;
        const float* t = in.pairs[std::size_t{k1} * in.stride + k2].f;
        v3 += f * static_cast<double>(t[0]);
        v4 += f * static_cast<double>(t[1]);
        v5 += f * static_cast<double>(t[2]);
        v6 += f * static_cast<double>(t[3]);
    }
    return {v3, v4, v5, v6};
}

PairPassFn ChosenPairPass(KernelChoice choice) {
    if (choice == KernelChoice::kPortable) return PairPassPortable;
    const PairPassFn vector = VectorPairPass();
    return vector ? vector : PairPassPortable;
}

}  // namespace antkeys
