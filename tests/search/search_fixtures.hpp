#pragma once
// Small hand-made letter and pheromone tables for the search tests.
#include <utility>
#include <vector>

#include "data/phero_table.hpp"
#include "search/gen_rnd_key.hpp"

namespace antkeys::test {

// One (character code, fixed key) pair per letter, in letter order.
inline LetterTables MakeLetters(const std::vector<std::pair<int, int>>& letters) {
    LetterTables t;
    for (const auto& [code, fixedKey] : letters) {
        t.letSet.push_back(static_cast<Byte>(code));
        t.letFixKey.push_back(static_cast<Integer>(fixedKey));
    }
    return t;
}

// columns[j][k] = Phero(k, j); every column holds nKeys + 1 values.
inline PheroTable MakePhero(const std::vector<std::vector<double>>& columns) {
    PheroTable phero;
    const int nKeys = columns.empty() ? -1 : static_cast<int>(columns[0].size()) - 1;
    phero.Resize(nKeys, static_cast<int>(columns.size()) - 1);
    for (std::size_t j = 0; j < columns.size(); ++j)
        for (std::size_t k = 0; k < columns[j].size(); ++k)
            phero.at(static_cast<int>(k), static_cast<int>(j)) = columns[j][k];
    return phero;
}

inline std::vector<double> Column(const PheroTable& phero, int j) {
    return std::vector<double>(phero.column(j), phero.column(j) + phero.nKeys() + 1);
}

class RecordingNoCandidate final : public NoCandidateSink {
  public:
    void OnNoCandidate(int letter) override { letters.push_back(letter); }
    std::vector<int> letters;
};

}  // namespace antkeys::test
