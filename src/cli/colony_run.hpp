#pragma once
// antkeys-cli run --colonies N: N independent colonies, each a search of its own (its own
// copy of the tables and pheromones, its own random numbers) on its own thread.
//
// The colonies run in lock-stepped rounds of kColonyRound layouts: each stops at the end of
// a round until all have reached it, and only there is the run's end decided (layout limit,
// time limit, Ctrl+C). Every colony therefore runs the same number of layouts, and the
// result depends on the seed, N and that number only, never on the threads' timing; the
// repeat command printed at the end gives the number.
#include <cstdint>
#include <iosfwd>

#include "cli/run_options.hpp"
#include "eval/workspace.hpp"

namespace antkeys::cli {

inline constexpr std::int64_t kColonyRound = 50000;

// The seed of colony `index` (0-based): the run's seed for the first, so one colony repeats
// a plain run; for the others the index-th number of a splitmix64 sequence begun at it.
std::uint64_t ColonySeed(std::uint64_t seed, int index);

// The number of colonies an option value stands for: 0 means one per core.
int ColonyCount(int option);

// Runs the colonies from the loaded workspace `ws` and writes to its Out folder what one
// run would: the best layout found (by the best colony, the lowest of equal ones) and that
// colony's pheromone store, at the end of every round that improved the best and at the end.
// Returns the exit status of antkeys-cli run.
int RunColonies(const Workspace& ws, const RunOptions& options, std::uint64_t seed,
                std::ostream& out, std::ostream& err);

}  // namespace antkeys::cli
