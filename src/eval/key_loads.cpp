#include "eval/key_loads.hpp"

#include <algorithm>

namespace antkeys {

void ShareCompanionLoads(const Byte* alters, int nKeys, KeyLoadTable& load) {
    for (int k = 1; k <= nKeys;) {
        const auto i = static_cast<std::size_t>(k);
        if (alters[i] != 0 && k < nKeys) {
            const double shared = (load[i] + load[i + 1]) / 2;
            load[i] = shared;
            load[i + 1] = shared;
            k += 2;
        } else {
            ++k;
        }
    }
}

KeyLoadTable KeyLoads(const DigraphTables& digraphs, const KeyTables& keys, const Layout& lay) {
    KeyLoadTable load{};
    double total = 0;
    for (Long c : digraphs.count) total += static_cast<double>(c);
    if (total == 0) return load;
    const std::size_t n = std::min(digraphs.second.size(), digraphs.count.size());
    for (std::size_t i = 0; i < n; ++i) {
        const Byte k = lay[digraphs.second[i]];
        if (k <= kMaxKeys) load[k] += static_cast<double>(digraphs.count[i]) / total;
    }
    ShareCompanionLoads(keys.alters.data(), std::min(keys.nKeys(), kMaxKeys), load);
    return load;
}

}  // namespace antkeys
