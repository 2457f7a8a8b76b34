#pragma once
// The rules of a digraph typed on two keys: whether it counts in V3, V4, V5 and V6 and with
// what travel distance and Kdi value. Written once here; the analyzer (both passes), the
// polishers and the explainer all read these rules, so they cannot drift apart.
#include <cstddef>
#include <vector>

#include "data/key_tables.hpp"
#include "data/statistics_tables.hpp"

namespace antkeys {

struct KeyPairRule {
    bool oneHand = false;     // V3: one hand types both keys, neither is shared by both hands
    bool travel = false;      // V4: one finger strikes both keys (one key struck twice included)
    bool rowChange = false;   // V5: two fingers of that hand on two rows
    bool outward = false;     // V6: two fingers, the second numbered higher
    int distance = 0;         // column steps plus row steps; what V4 adds where `travel`
    int kdi = 0;              // Kdi(first finger, second finger); what V5 adds where `rowChange`
    bool kdiMissing = false;  // `rowChange` with a finger above 5, which Kdi has no row for

    // A distance beyond 16 bits, where the grading counts it.
    bool TooFar() const { return travel && distance > 32767; }
    // Whether grading a digraph on these keys fails.
    bool Fails() const { return TooFar() || kdiMissing; }
};

// The rule for the keys k1 (first character) and k2 (second character) of a keyboard.
KeyPairRule PairRule(const KeyTables& keys, const KdiTable& kdi, std::size_t k1, std::size_t k2);

// The rules of every pair of key indexes 0..nKeys of one keyboard, built once.
class KeyPairRules {
  public:
    void Build(const KeyTables& keys, const KdiTable& kdi);

    std::size_t stride() const { return stride_; }  // nKeys + 1
    const KeyPairRule& at(std::size_t k1, std::size_t k2) const {
        return rules_[k1 * stride_ + k2];
    }
    // No pair of keys makes a grading fail.
    bool NoneFails() const { return noneFails_; }

  private:
    std::vector<KeyPairRule> rules_;
    std::size_t stride_ = 0;
    bool noneFails_ = true;
};

}  // namespace antkeys
