#pragma once
#include "data/phero_table.hpp"
#include "data/types.hpp"

namespace antkeys {

// ModifyPheromones: for every letter, adds grade * k to the pheromone of the key it holds in
// `best` (unless that value is negative) and normalises the letter's column. The caller
// raises OnPheroModif afterwards.
void ModifyPheromones(PheroTable& phero, const LetterTables& letters, const Layout& best,
                      Single grade, double k);

// The clear-pheromones button: every positive entry becomes 0.1; nothing is normalised or saved.
void ClearPhero(PheroTable& phero);

}  // namespace antkeys
