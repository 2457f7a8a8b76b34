#pragma once
// KeyAnalizer turns a layout into the six penalty figures V1..V6.
#include <array>
#include <string>
#include <vector>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "eval/criteria.hpp"
#include "eval/pair_pass.hpp"

namespace antkeys {

class KeyAnalizer {
  public:
    // Copies the tables and turns the counts into frequencies. On failure (a total count of 0,
    // tables of different sizes, more than 64 keys) shows "Error Initing KeyAnalizer" titled
    // "Error Initing Analizer" with a description and returns false.
    bool Init(const DigraphTables& digraphs, const BestLoadTable& bestLoad, const KeyTables& keys,
              const KdiTable& kdi, MessageSink& sink);

    // Fills v[1..6]. Returns false, with `why` set when given, for a layout the keyboard
    // cannot hold (a key index above nKeys, a finger above 5 where Kdi is read, a 16-bit
    // overflow of a distance); v then holds the partial sums. Allocation-free.
    bool CalcV1_6(const Layout& lay, Criteria& v, std::string* why = nullptr) const;

    // Grades with the portable digraph pass even where the processor has a vector one (for
    // comparing the two; both give the same bits).
    void ForcePortable(bool on) { pairPass_ = on ? PairPassPortable : ChosenPairPass(); }

    int nKeys() const { return nKeys_; }
    int nDi() const { return static_cast<int>(first_.size()); }
    const std::vector<double>& frequencies() const { return freq_; }

  private:
    // Per key index, packed for the digraph pass.
    struct Key {
        std::int16_t col = 0;
        std::int16_t row = 0;
        Byte hand = 0;
        Byte finger = 0;
        Byte alter = 0;
        Byte kdiIndex = 0;  // the finger, or 6 for a finger Kdi has no row for
    };
    std::vector<Byte> first_, second_;
    std::vector<Long> count_;
    std::vector<double> freq_;
    std::vector<Key> keys_;
    BestLoadTable bestLoad_{};
    KdiTable kdi_{};
    // Kdi with a row and a column of zeros for fingers above 5, so the digraph pass can read it
    // without a branch; such a finger is reported only where the value counts.
    std::array<std::array<double, 7>, 7> kdiWide_{};
    std::vector<Byte> usedChars_;  // every character code the digraphs name
    bool safe_ = false;            // no digraph can fail on this keyboard
    // On a safe keyboard, the factors of every key pair, (k1, k2) at k1 * (nKeys + 1) + k2.
    std::vector<PairFactors> pairs_;
    PairPassFn pairPass_ = ChosenPairPass();
    int nKeys_ = -1;

    void BuildPairs();
    // V3..V6 into v and the loads into `load`, testing each rule per digraph; stops at a
    // finger above 5 where Kdi is read or a distance beyond 16 bits.
    bool CheckedPass(const Layout& lay, KeyLoadTable& load, Criteria& v, std::string* why) const;
};

}  // namespace antkeys
