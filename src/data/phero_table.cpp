#include "data/phero_table.hpp"

#include <algorithm>

namespace antkeys {

void PheroTable::Resize(int nKeys, int nLet) {
    if (nKeys < 0 || nLet < 0) {
        nKeys_ = nKeys < 0 ? -1 : nKeys;
        nLet_ = nLet < 0 ? -1 : nLet;
        data_.clear();
        return;
    }
    if (nKeys == nKeys_ && nLet_ >= 0) {
        // Columns are contiguous: letters added or dropped at the end keep the others in place.
        // This keeps the column-by-column growth of the reference layout loader linear.
        data_.resize(static_cast<std::size_t>(nKeys + 1) * static_cast<std::size_t>(nLet + 1), 0.0);
        nLet_ = nLet;
        return;
    }
    std::vector<double> next(
        static_cast<std::size_t>(nKeys + 1) * static_cast<std::size_t>(nLet + 1), 0.0);
    const int keepK = std::min(nKeys, nKeys_);
    const int keepJ = std::min(nLet, nLet_);
    for (int j = 0; j <= keepJ; ++j)
        for (int k = 0; k <= keepK; ++k)
            next[static_cast<std::size_t>(j) * static_cast<std::size_t>(nKeys + 1) +
                 static_cast<std::size_t>(k)] = at(k, j);
    nKeys_ = nKeys;
    nLet_ = nLet;
    data_ = std::move(next);
}

void NormalizePhero(PheroTable& phero, int letter) {
    const int nKeys = phero.nKeys();
    if (nKeys < 0 || letter < 0 || letter > phero.nLet()) return;
    double* column = phero.column(letter);
    double sum = 0;
    for (int k = 0; k <= nKeys; ++k)
        if (column[k] > 0) sum += column[k];
    if (sum <= 0) return;
    for (int k = 0; k <= nKeys; ++k) {
        if (column[k] > 0) {
            const double quotient = column[k] / sum;
            column[k] = quotient == 0 ? 1e-100 : quotient;
        }
    }
}

}  // namespace antkeys
