#include "search/modify_pheromones.hpp"

#include <algorithm>

namespace antkeys {

void ModifyPheromones(PheroTable& phero, const LetterTables& letters, const Layout& best,
                      Single grade, double k) {
    const int lastLetter = std::min(letters.nLet(), phero.nLet());
    const double gain = static_cast<double>(grade) * k;
    for (int i = 0; i <= lastLetter; ++i) {
        const int key = best[letters.letSet[static_cast<std::size_t>(i)]];
        if (key > phero.nKeys()) continue;  // a layout from another keyboard
        double& p = phero.at(key, i);
        // A negative pair is out of play for good: neither reinforced nor rescaled.
        if (!(p >= 0)) continue;
        p = p + gain;
        NormalizePhero(phero, i);
    }
}

void ClearPhero(PheroTable& phero) {
    for (int j = 0; j <= phero.nLet(); ++j) {
        double* column = phero.column(j);
        for (int k = 0; k <= phero.nKeys(); ++k)
            if (column[k] > 0) column[k] = 0.1;
    }
}

}  // namespace antkeys
