#pragma once
// The counts of several texts as one, each text weighted by a share of the characters: for a
// layout of a typist who writes, say, 70 % German and 30 % English.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "corpus/digraph_counter.hpp"

namespace antkeys {

struct MixedCounts {
    std::vector<std::uint64_t> pairs = std::vector<std::uint64_t>(256 * 256, 0);
    std::unordered_map<std::uint32_t, std::uint64_t> trigrams;
    std::uint64_t Count(int first, int second) const {
        return pairs[static_cast<std::size_t>(first * 256 + second)];
    }
};

// Text i's counts are scaled so that its counted characters make shares[i] / sum of shares of
// all counted characters (the total stays the sum of the texts'), then rounded to the nearest
// whole number. Without shares the counts are summed as they are. False with the reason when
// a share is given to a text with nothing counted.
bool MixCounts(const std::vector<const DigraphCounter*>& texts, const std::vector<double>& shares,
               MixedCounts& mixed, std::string& error);

}  // namespace antkeys
