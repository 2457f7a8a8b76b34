#pragma once
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
    std::vector<Byte> keyUsed;
};

// GenRndKey: one ant. Fixed letters first, then each free letter in LetSet order on the free
// key with the greatest Phero(k, i) * s + u, u a fresh uniform Single per candidate key;
// ties go to the lowest key index.
void GenRndKey(Layout& lay, const LetterTables& letters, const PheroTable& phero, double s,
               Random& random, GenScratch& scratch, NoCandidateSink& sink);

}  // namespace antkeys
