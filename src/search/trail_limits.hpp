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
// How long a converged colony waits, in iterations without a better iteration best, before
// its pheromones are reset. A restart is dear where polishing a fresh layout takes many moves
// (a full keyboard) and cheap where it takes few, and the colonies between restarts (epochs)
// converge within a few dozen iterations, to a local optimum that varies from epoch to epoch:
// - an epoch that settled on the run's best layout as it stood when the epoch began confirms
//   that layout: the next restart waits kStagnationIterations, doubled after every further
//   confirmation in a row, so a run that keeps finding the same best spends less on restarts;
// - any other epoch (a worse optimum, or a new best not yet confirmed) ends after
//   kUnconfirmedIterations: another restart is the better use of the iterations;
// - either way an epoch waits at least as many iterations as the polish moves it took to
//   reach its best, so the polish of unconverged layouts after a restart stays a modest
//   share of the run's work where it is dear.
inline constexpr int kStagnationIterations = 2500;
inline constexpr int kUnconfirmedIterations = 250;
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

// The stagnation test: true once the pheromones have converged and the iterations in a row
// that have not beaten the epoch's best iteration grade reach the epoch's wait (see above).
class StagnationWatch {
  public:
    explicit StagnationWatch(int confirmedWait = kStagnationIterations,
                             int unconfirmedWait = kUnconfirmedIterations)
        : confirmedWait_(confirmedWait), unconfirmedWait_(unconfirmedWait) {}
    // One completed iteration with its (polished) best grade and the run's best grade so
    // far; true when a restart is due, after which the next epoch begins.
    // `moves` is the number of polish moves the iteration took.
    bool Stagnant(Single iterationBest, double branching, Single runBest, int moves = 0);
    // The start of a run: no epoch seen, no best confirmed.
    void Reset();
    // The wait of the epoch as it stands.
    int Wait() const;

  private:
    bool Confirmed() const { return seen_ && runBestBefore_ > 0 && best_ == runBestBefore_; }

    int confirmedWait_;
    int unconfirmedWait_;
    int doublings_ = 0;  // confirmations in a row before this epoch
    int idle_ = 0;
    long long moves_ = 0;        // polish moves since the epoch began
    long long movesToBest_ = 0;  // of them, up to the epoch's best
    bool seen_ = false;
    Single best_ = 0;           // the epoch's best iteration grade
    Single runBestBefore_ = 0;  // the run's best grade when the epoch began
};

}  // namespace antkeys
