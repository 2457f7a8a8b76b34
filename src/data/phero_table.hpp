#pragma once
// The pheromone table Phero(k, j): key index k = 0..nKeys, letter index j = 0..nLet.
// Each letter's column is stored contiguously, since generation walks a column.
#include <cstdint>
#include <vector>

#include "data/types.hpp"

namespace antkeys {

class PheroTable {
  public:
    PheroTable() : id_(NewId()) {}
    PheroTable(const PheroTable& other);
    PheroTable(PheroTable&& other) noexcept;
    PheroTable& operator=(const PheroTable& other);
    PheroTable& operator=(PheroTable&& other) noexcept;

    int nKeys() const { return nKeys_; }
    int nLet() const { return nLet_; }
    bool empty() const { return nLet_ < 0 || nKeys_ < 0; }

    // Every non-const access counts as a change (see changes()); keep no reference or
    // pointer it gives beyond the change at hand.
    double& at(int k, int j) {
        ++changes_;
        return data_[Index(k, j)];
    }
    double at(int k, int j) const { return data_[Index(k, j)]; }
    // The column of letter j: nKeys()+1 values, key 0 first.
    double* column(int j) {
        ++changes_;
        return data_.data() + Index(0, j);
    }
    const double* column(int j) const { return data_.data() + Index(0, j); }

    // Which table this is and how often it may have changed: the pair differs after any
    // change, so what is worked out from the values can be kept until then. Copies get an
    // id of their own.
    std::uint64_t id() const { return id_; }
    std::uint64_t changes() const { return changes_; }

    // Re-dimensions to (0..nKeys, 0..nLet) keeping the values that stay in range; new ones 0.
    void Resize(int nKeys, int nLet);
    void Clear() { Resize(-1, -1); }

    // The values and bounds; id and changes are not compared.
    bool operator==(const PheroTable& other) const {
        return nKeys_ == other.nKeys_ && nLet_ == other.nLet_ && data_ == other.data_;
    }

  private:
    std::size_t Index(int k, int j) const {
        return static_cast<std::size_t>(j) * static_cast<std::size_t>(nKeys_ + 1) +
               static_cast<std::size_t>(k);
    }
    static std::uint64_t NewId();
    int nKeys_ = -1;
    int nLet_ = -1;
    std::vector<double> data_;
    std::uint64_t id_;
    std::uint64_t changes_ = 0;
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
