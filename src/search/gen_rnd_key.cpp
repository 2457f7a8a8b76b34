#include "search/gen_rnd_key.hpp"

#include <algorithm>
#include <array>

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

    // The candidate keys of a letter, in key order. Collected without branches first, so the
    // scoring loop below runs over candidates only: which keys are taken changes from layout
    // to layout and would defeat branch prediction.
    std::array<Byte, 256> candidates;
    for (int i = 0; i <= lastLetter; ++i) {
        if (letters.letFixKey[static_cast<std::size_t>(i)] != 0) continue;
        const double* column = phero.column(i);
        std::size_t n = 0;
        for (int k = 0; k <= lastKey; ++k) {
            candidates[n] = static_cast<Byte>(k);
            n += static_cast<std::size_t>((used[static_cast<std::size_t>(k)] == 0) &
                                          (column[k] > 0));
        }
        double best = 0;
        int chosen = -1;
        for (std::size_t c = 0; c < n; ++c) {
            const int k = candidates[c];
            // One draw per candidate, in key order, so a seed fixes every choice.
            const double score = column[k] * s + static_cast<double>(random.NextSingle());
            // Strictly greater replaces, so ties keep the lower key. Written as masks: the
            // outcome is a coin toss the branch predictor cannot learn.
            const int better = -static_cast<int>(score > best);
            chosen += (k - chosen) & better;
            best = std::max(best, score);
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
