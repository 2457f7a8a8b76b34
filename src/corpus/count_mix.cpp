#include "corpus/count_mix.hpp"

#include <cmath>

namespace antkeys {

bool MixCounts(const std::vector<const DigraphCounter*>& texts, const std::vector<double>& shares,
               MixedCounts& mixed, std::string& error) {
    std::vector<double> scale(texts.size(), 1.0);
    if (!shares.empty()) {
        double shareSum = 0, kept = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            shareSum += shares[i];
            kept += static_cast<double>(texts[i]->kept());
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i]->kept() == 0 && shares[i] > 0) {
                error = "text " + std::to_string(i + 1) +
                        " has no character to count, so it cannot make a share";
                return false;
            }
            scale[i] = texts[i]->kept() == 0
                           ? 0.0
                           : shares[i] / shareSum * kept / static_cast<double>(texts[i]->kept());
        }
    }
    const bool exact = shares.empty();
    std::vector<double> sum(exact ? 0 : mixed.pairs.size(), 0.0);
    std::unordered_map<std::uint32_t, double> triSum;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t p = 0; p < mixed.pairs.size(); ++p) {
            const std::uint64_t n =
                texts[i]->Count(static_cast<int>(p / 256), static_cast<int>(p % 256));
            if (exact)
                mixed.pairs[p] += n;
            else
                sum[p] += static_cast<double>(n) * scale[i];
        }
        for (const auto& [key, n] : texts[i]->trigrams()) {
            if (exact)
                mixed.trigrams[key] += n;
            else
                triSum[key] += static_cast<double>(n) * scale[i];
        }
    }
    if (exact) return true;
    for (std::size_t p = 0; p < sum.size(); ++p)
        mixed.pairs[p] = static_cast<std::uint64_t>(std::llround(sum[p]));
    for (const auto& [key, n] : triSum)
        if (const auto whole = static_cast<std::uint64_t>(std::llround(n)); whole > 0)
            mixed.trigrams[key] = whole;
    return true;
}

}  // namespace antkeys
