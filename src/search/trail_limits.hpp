#pragma once
// Trail limits and restarts in the manner of MAX-MIN Ant System, for this search's own
// pheromone rule: each letter's column is rescaled to a sum of 1 after a reinforcement, and
// an ant takes the key with the highest pheromone x sensitivity + a uniform draw in [0, 1).
//
// A key that the best layout reinforces again and again, by g = grade x K each time, tends to
// (p + g) / (1 + g) -> 1: the upper limit of a column's values is 1, and a column converges
// to one key near 1 and the others near 0. MAX-MIN Ant System bounds that convergence so
// that a converged colony still builds its best solution with a chance of only 0.05: each of
// n free letters picks its best key with chance p = 0.05^(1/n). Under this rule a letter with
// m other candidate keys, whose best key's score leads theirs by d (0 <= d < 1), picks it
// with chance d + (1 - d^(m+1)) / (m + 1). d is solved from that and capped at 0.95, and a
// column's values may then differ by at most d / sensitivity: its lowest value is at least
// (1 - d / sensitivity) / K for its K positive keys (none where that is not above 0), and
// its highest at most 1 - (K - 1) times that. A key at the lower bound then still beats one
// at the upper bound with a chance of at least 0.05^2 / 2: no allowed key ever becomes
// unreachable. Only positive pheromones of free letters are bounded or reset; a pair that is
// 0 or below stays out of play.
#include "data/phero_table.hpp"
#include "data/types.hpp"

namespace antkeys {

// The chance that converged pheromones build the best layout.
inline constexpr double kBestLayoutChance = 0.05;
// The largest lead, in score, of a column's best key over its worst.
inline constexpr double kWidestScoreGap = 0.95;
// Iterations without a better iteration best, since the last restart, before the next one.
// Each restart costs the polish of a few hundred unconverged iteration bests; this many
// iterations between restarts keeps the polish's cost per layout near the swaps-only one.
inline constexpr int kStagnationIterations = 2500;
// The pheromones have converged when a free letter has on average at most this many keys
// within the top 95% of its column's range (the lambda-branching factor, lambda = 0.05).
inline constexpr double kBranchingLambda = 0.05;
inline constexpr double kConvergedBranching = 1.05;

// The chance that a letter picks a key whose score leads those of `others` keys by `gap`
// (pheromone difference x sensitivity, 0 to 1).
double BestKeyChance(double gap, double others);

// The largest difference allowed between the highest and the lowest pheromone of a free
// letter's column, at sensitivity `s`: d / s, or 1 (no bound) where s is not above 0.
double TrailSpread(const PheroTable& phero, const LetterTables& letters, double s);

struct TrailBounds {
    double min = 0;
    double max = 1;
};
// The bounds of a column with `positives` positive values summing to 1.
TrailBounds ColumnBounds(int positives, double spread);

// Raises every positive pheromone of a free letter that is below its column's lower bound to
// it, taking the difference from the column's higher values in proportion to their excess,
// so the column keeps its sum and its order.
void ApplyTrailBounds(PheroTable& phero, const LetterTables& letters, double spread);

// Sets every positive pheromone of a free letter to its column's upper bound.
void ResetTrails(PheroTable& phero, const LetterTables& letters, double spread);

// The average lambda-branching factor of the free letters: per letter, the keys whose
// positive pheromone is at least min + lambda (max - min) of the letter's positive ones.
double BranchingFactor(const PheroTable& phero, const LetterTables& letters);

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
