#pragma once
// The pheromone table Phero(k, j): key index k = 0..nKeys, letter index j = 0..nLet.
// Each letter's column is stored contiguously, since generation walks a column.
#include <vector>

#include "data/types.hpp"

namespace antkeys {

class PheroTable {
public:
    int nKeys() const { return nKeys_; }
    int nLet() const { return nLet_; }
    bool empty() const { return nLet_ < 0 || nKeys_ < 0; }

    double& at(int k, int j) { return data_[Index(k, j)]; }
    double at(int k, int j) const { return data_[Index(k, j)]; }
    // The column of letter j: nKeys()+1 values, key 0 first.
    double* column(int j) { return data_.data() + Index(0, j); }
    const double* column(int j) const { return data_.data() + Index(0, j); }

    // Re-dimensions to (0..nKeys, 0..nLet) keeping the values that stay in range; new ones 0.
    void Resize(int nKeys, int nLet);
    void Clear() { Resize(-1, -1); }

    bool operator==(const PheroTable&) const = default;

private:
    std::size_t Index(int k, int j) const {
        return static_cast<std::size_t>(j) * static_cast<std::size_t>(nKeys_ + 1) +
               static_cast<std::size_t>(k);
    }
    int nKeys_ = -1;
    int nLet_ = -1;
    std::vector<double> data_;
};

// Rescales the positive entries of letter i's column to a sum of 1. Entries of 0 or below are
// neither counted nor changed; a positive entry whose quotient underflows to 0 becomes 1e-100.
void NormalizePhero(PheroTable& phero, int letter);

struct LetterTables {
    std::vector<Byte> letSet;        // LetSet(j): character code of letter j
    std::vector<Integer> letFixKey;  // LetFixKey(j): key the letter is fixed to, 0 = free
    int nLet() const { return static_cast<int>(letSet.size()) - 1; }
};

}  // namespace antkeys
