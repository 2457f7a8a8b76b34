#include "search/gen_rnd_key.hpp"

#include <algorithm>

namespace antkeys {

void GenRndKey(Layout& lay, const LetterTables& letters, const PheroTable& phero, double s,
               Random& random, GenScratch& scratch, NoCandidateSink& sink) {
    lay.fill(0);
    // A key index must fit the layout's bytes; a keyboard that passed the analyzer holds at
    // most 64 keys, so this only guards a table built by hand.
    const int lastKey = std::min(phero.nKeys(), 255);
    const int lastLetter = std::min(letters.nLet(), phero.nLet());
    if (lastKey < 0 || lastLetter < 0) return;

    // assign() keeps the capacity, so after the first call this never allocates.
    std::vector<Byte>& used = scratch.keyUsed;
    used.assign(static_cast<std::size_t>(lastKey) + 1, 0);

    for (int i = 0; i <= lastLetter; ++i) {
        const Integer fixedKey = letters.letFixKey[static_cast<std::size_t>(i)];
        if (fixedKey <= 0) continue;
        lay[letters.letSet[static_cast<std::size_t>(i)]] = static_cast<Byte>(fixedKey);
        if (fixedKey <= lastKey) used[static_cast<std::size_t>(fixedKey)] = 1;
    }

    for (int i = 0; i <= lastLetter; ++i) {
        if (letters.letFixKey[static_cast<std::size_t>(i)] != 0) continue;
        const double* column = phero.column(i);
        double best = 0;
        int chosen = -1;
        for (int k = 0; k <= lastKey; ++k) {
            const double p = column[k];
            if (used[static_cast<std::size_t>(k)] || !(p > 0)) continue;
            // One draw per candidate, in key order, so a seed fixes every choice.
            const double score = p * s + static_cast<double>(random.NextSingle());
            if (score > best) {
                best = score;
                chosen = k;
            }
        }
        if (chosen < 0) {
            sink.OnNoCandidate(i);
            continue;
        }
        lay[letters.letSet[static_cast<std::size_t>(i)]] = static_cast<Byte>(chosen);
        used[static_cast<std::size_t>(chosen)] = 1;
    }
}

}  // namespace antkeys
