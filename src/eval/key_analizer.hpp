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
#include "eval/key_pair_rules.hpp"
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

    // Which digraph pass grading runs (both give the same bits); the fastest until told.
    void UseKernels(KernelChoice choice) { pairPass_ = ChosenPairPass(choice); }

    int nKeys() const { return nKeys_; }
    int nDi() const { return static_cast<int>(first_.size()); }
    const std::vector<double>& frequencies() const { return freq_; }

    // The rules of every key pair, which the polishers read too.
    const KeyPairRules& pairRules() const { return rules_; }

  private:
    std::vector<Byte> first_, second_;
    std::vector<Long> count_;
    std::vector<double> freq_;
    std::vector<Byte> fingers_;  // per key index, for the messages of a failed grading
    std::vector<Byte> alters_;   // per key index: flagged key or companion
    BestLoadTable bestLoad_{};
    KeyPairRules rules_;
    std::vector<Byte> usedChars_;  // every character code the digraphs name
    // The factors of every key pair for the pass without checks, (k1, k2) at
    // k1 * (nKeys + 1) + k2; used when no pair can fail.
    std::vector<PairFactors> pairs_;
    PairPassFn pairPass_ = ChosenPairPass(KernelChoice::kFastest);
    int nKeys_ = -1;

    void BuildPairs();
    // V3..V6 into v and the loads into `load`, testing each digraph's pair; stops at a
    // finger above 5 where Kdi is read or a distance beyond 16 bits.
    bool CheckedPass(const Layout& lay, KeyLoadTable& load, Criteria& v, std::string* why) const;
};

}  // namespace antkeys
