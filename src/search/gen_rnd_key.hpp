#pragma once
#include <cstdint>
#include <vector>

#include "data/phero_table.hpp"
#include "data/random.hpp"
#include "data/types.hpp"

namespace antkeys {

// Reports a letter without a candidate key; GenRndKey goes on with the next letter.
class NoCandidateSink {
  public:
    virtual ~NoCandidateSink() = default;
    virtual void OnNoCandidate(int letter) = 0;
};

// Working memory for GenRndKey, sized once so that generation never allocates.
struct GenScratch {
    // Per letter, the keys with positive pheromone as bits (key k in word k / 64), worked out
    // again only when the table has changed since (another table, or PheroTable::changes()).
    std::vector<std::uint64_t> positive;
    std::uint64_t pheroId = 0;
    std::uint64_t pheroChanges = 0;
    std::size_t words = 0;  // per letter
    std::vector<std::uint64_t> keyUsed;
};

// GenRndKey: one ant. Fixed letters first, then each free letter in LetSet order on the free
// key with the greatest Phero(k, i) * s + u, u a fresh uniform Single per candidate key;
// ties go to the lowest key index.
void GenRndKey(Layout& lay, const LetterTables& letters, const PheroTable& phero, double s,
               Random& random, GenScratch& scratch, NoCandidateSink& sink);

}  // namespace antkeys
