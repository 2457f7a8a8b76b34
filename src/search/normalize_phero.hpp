#pragma once
#include "data/phero_table.hpp"

namespace antkeys {

// Rescales the positive entries of letter i's column to a sum of 1. Entries of 0 or below are
// neither counted nor changed; a positive entry whose quotient underflows to 0 becomes 1e-100.
void NormalizePhero(PheroTable& phero, int letter);

}  // namespace antkeys
