#include "search/normalize_phero.hpp"

namespace antkeys {

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
