#pragma once
// Trail limits and restarts in the manner of MAX-MIN Ant System, for the search's own
// pheromone rule: each letter's column is rescaled to a sum of 1 after a reinforcement, and
// an ant takes the key with the highest pheromone x sensitivity + a uniform draw in [0, 1).
//
// Upper bound: a key that the best layout reinforces again and again, by g = grade x K each
// time, tends to (p + g) / (1 + g) -> 1 whatever the grade, so the upper bound is 1.
//
// Lower bound: chosen, as MAX-MIN Ant System does, so that a column converged to the bounds
// (one key at the upper bound, the others at the lower) builds the best layout with a chance
// of 0.05: each of n free letters picks its best key with chance p = 0.05^(1/n). Under this
// rule a letter with m other keys, whose best key leads them by d = (max - min) x sensitivity
// (0 <= d < 1), picks it with chance d + (1 - d^(m+1)) / (m + 1); d is solved from that, and
// min = max - d / sensitivity. Where the sensitivity is too low for any d to reach p, no lower
// bound is needed (0). d stays at most 0.95, so a key at the lower bound still beats one at
// the upper bound with a chance of at least 0.05^2 / 2: no allowed key ever becomes
// unreachable. Only positive pheromones of free letters are bounded or reset; a pair that is
// 0 or below stays out of play.
#include "data/phero_table.hpp"
#include "data/types.hpp"

namespace antkeys {

struct TrailBounds {
    double min = 0;
    double max = 1;
};

// The chance that converged pheromones build the best layout.
inline constexpr double kBestLayoutChance = 0.05;
// The largest (max - min) x sensitivity the bounds allow.
inline constexpr double kWidestScoreGap = 0.95;
// Iterations without a better iteration best, since the last restart, before the next one.
// Each restart costs the polish of a few hundred unconverged iteration bests; this many
// iterations between restarts keeps the polish's cost per layout near the swaps-only one.
inline constexpr int kStagnationIterations = 2500;
// The pheromones have converged when a free letter has on average at most this many keys
// within the top 95% of its column's range (the lambda-branching factor, lambda = 0.05).
inline constexpr double kBranchingLambda = 0.05;
inline constexpr double kConvergedBranching = 1.05;

// The bounds for `phero`'s free letters at sensitivity `s`.
TrailBounds TrailBoundsFor(const PheroTable& phero, const LetterTables& letters, double s);

// The chance that a letter picks a key whose score leads those of `others` keys by `gap`
// (pheromone difference x sensitivity, 0 to 1).
double BestKeyChance(double gap, double others);

// Clamps every positive pheromone of a free letter into `bounds`.
void ApplyTrailBounds(PheroTable& phero, const LetterTables& letters, TrailBounds bounds);

// The average lambda-branching factor of the free letters: per letter, the keys whose
// positive pheromone is at least min + lambda (max - min) of the letter's positive ones.
double BranchingFactor(const PheroTable& phero, const LetterTables& letters);

// Sets every positive pheromone of a free letter to `level`.
void ResetTrails(PheroTable& phero, const LetterTables& letters, double level);

// The stagnation test: true once the pheromones have converged and `limit` iterations in a
// row have not beaten the best iteration grade seen since the last restart (or the start).
class StagnationWatch {
  public:
    explicit StagnationWatch(int limit = kStagnationIterations) : limit_(limit) {}
    // One completed iteration with its (polished) best grade; true when a restart is due,
    // after which the watch starts over.
    bool Stagnant(Single iterationBest, double branching);
    void Reset();

  private:
    int limit_;
    int idle_ = 0;
    bool seen_ = false;
    Single best_ = 0;
};

}  // namespace antkeys
