#include "eval/key_pair_rules.hpp"

#include <cstdlib>

namespace antkeys {

KeyPairRule PairRule(const KeyTables& keys, const KdiTable& kdi, std::size_t k1, std::size_t k2) {
    KeyPairRule r;
    r.oneHand = keys.alters[k1] == 0 && keys.alters[k2] == 0 && keys.hands[k1] == keys.hands[k2];
    if (!r.oneHand) return r;
    const int fa = keys.fingers[k1], fb = keys.fingers[k2];
    // Column steps plus row steps, as 16-bit whole numbers do them.
    r.distance = std::abs(keys.cols[k1] - keys.cols[k2]) + std::abs(keys.rows[k1] - keys.rows[k2]);
    r.travel = fa == fb;
    r.rowChange = !r.travel && keys.rows[k1] != keys.rows[k2];
    r.outward = !r.travel && fb > fa;
    if (r.rowChange) {
        r.kdiMissing = fa > 5 || fb > 5;
        if (!r.kdiMissing) r.kdi = kdi[static_cast<std::size_t>(fa)][static_cast<std::size_t>(fb)];
    }
    return r;
}

void KeyPairRules::Build(const KeyTables& keys, const KdiTable& kdi) {
    stride_ = keys.codes.size();
    rules_.assign(stride_ * stride_, KeyPairRule{});
    noneFails_ = true;
    for (std::size_t k1 = 0; k1 < stride_; ++k1) {
        for (std::size_t k2 = 0; k2 < stride_; ++k2) {
            KeyPairRule& r = rules_[k1 * stride_ + k2];
            r = PairRule(keys, kdi, k1, k2);
            noneFails_ = noneFails_ && !r.Fails();
        }
    }
}

}  // namespace antkeys
