#include "search/gen_rnd_key.hpp"

#include <algorithm>
#include <bit>

namespace antkeys {
namespace {

void RefreshPositive(const PheroTable& phero, int lastKey, int lastLetter, GenScratch& scratch) {
    if (scratch.pheroId == phero.id() && scratch.pheroChanges == phero.changes() &&
        !scratch.positive.empty())
        return;
    const std::size_t words = static_cast<std::size_t>(lastKey) / 64 + 1;
    scratch.words = words;
    scratch.positive.assign(words * (static_cast<std::size_t>(lastLetter) + 1), 0);
    for (int i = 0; i <= lastLetter; ++i) {
        const double* column = phero.column(i);
        std::uint64_t* bits = scratch.positive.data() + static_cast<std::size_t>(i) * words;
        for (int k = 0; k <= lastKey; ++k)
            if (column[k] > 0) bits[k / 64] |= std::uint64_t{1} << (k % 64);
    }
    scratch.pheroId = phero.id();
    scratch.pheroChanges = phero.changes();
}

}  // namespace

void GenRndKey(Layout& lay, const LetterTables& letters, const PheroTable& phero, double s,
               Random& random, GenScratch& scratch, NoCandidateSink& sink) {
    lay.fill(0);
    // A key index must fit the layout's bytes; a keyboard that passed the analyzer holds at
    // most 64 keys, so this only guards a table built by hand.
    const int lastKey = std::min(phero.nKeys(), 255);
    const int lastLetter = std::min(letters.nLet(), phero.nLet());
    if (lastKey < 0 || lastLetter < 0) return;

    RefreshPositive(phero, lastKey, lastLetter, scratch);
    const std::size_t words = scratch.words;
    // assign() keeps the capacity, so after the first call this never allocates.
    std::vector<std::uint64_t>& used = scratch.keyUsed;
    used.assign(words, 0);

    for (int i = 0; i <= lastLetter; ++i) {
        const Integer fixedKey = letters.letFixKey[static_cast<std::size_t>(i)];
        if (fixedKey <= 0) continue;
        lay[letters.letSet[static_cast<std::size_t>(i)]] = static_cast<Byte>(fixedKey);
        if (fixedKey <= lastKey)
            used[static_cast<std::size_t>(fixedKey) / 64] |= std::uint64_t{1} << (fixedKey % 64);
    }

    for (int i = 0; i <= lastLetter; ++i) {
        if (letters.letFixKey[static_cast<std::size_t>(i)] != 0) continue;
        const double* column = phero.column(i);
        const std::uint64_t* positive =
            scratch.positive.data() + static_cast<std::size_t>(i) * words;
        double best = 0;
        int chosen = -1;
        // The candidates, free keys with positive pheromone, in increasing key order.
        for (std::size_t w = 0; w < words; ++w) {
            for (std::uint64_t free = positive[w] & ~used[w]; free != 0; free &= free - 1) {
                const int k = static_cast<int>(w * 64) + std::countr_zero(free);
                // One draw per candidate, in key order, so a seed fixes every choice.
                const double score = column[k] * s + static_cast<double>(random.NextSingle());
                // Strictly greater replaces, so ties keep the lower key. Written as masks: the
                // outcome is a coin toss the branch predictor cannot learn.
                const int better = -static_cast<int>(score > best);
                chosen += (k - chosen) & better;
                best = std::max(best, score);
            }
        }
        if (chosen < 0) {
            sink.OnNoCandidate(i);
            continue;
        }
        lay[letters.letSet[static_cast<std::size_t>(i)]] = static_cast<Byte>(chosen);
        used[static_cast<std::size_t>(chosen) / 64] |= std::uint64_t{1} << (chosen % 64);
    }
}

}  // namespace antkeys
