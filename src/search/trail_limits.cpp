#include "search/trail_limits.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace antkeys {
namespace {

bool Free(const LetterTables& letters, int j) {
    return j < static_cast<int>(letters.letFixKey.size()) &&
           letters.letFixKey[static_cast<std::size_t>(j)] == 0;
}

int LastLetter(const PheroTable& phero, const LetterTables& letters) {
    return std::min(phero.nLet(), letters.nLet());
}

int Positives(const double* column, int nKeys) {
    int n = 0;
    for (int k = 0; k <= nKeys; ++k) n += column[k] > 0;
    return n;
}

}  // namespace

double BestKeyChance(double gap, double others) {
    // The best key's draw u wins when every other draw is below u + gap.
    const double d = std::clamp(gap, 0.0, 1.0);
    return d + (1 - std::pow(d, others + 1)) / (others + 1);
}

double TrailSpread(const PheroTable& phero, const LetterTables& letters, double s) {
    int n = 0;
    double choices = 0;
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        ++n;
        choices += Positives(phero.column(j), phero.nKeys());
    }
    if (n == 0 || !(s > 0)) return 1;
    // On average a letter chooses among half its keys: the others are taken by then.
    const double others = std::max(1.0, choices / n / 2 - 1);
    const double target = std::pow(kBestLayoutChance, 1.0 / n);
    double lo = 0, hi = kWidestScoreGap;
    if (BestKeyChance(hi, others) <= target) {
        lo = hi;
    } else {
        for (int i = 0; i < 60; ++i) {
            const double mid = (lo + hi) / 2;
            (BestKeyChance(mid, others) < target ? lo : hi) = mid;
        }
    }
    return std::min(1.0, lo / s);
}

TrailBounds ColumnBounds(int positives, double spread) {
    TrailBounds b;
    if (positives < 1) return b;
    b.min = std::max(0.0, (1 - spread) / positives);
    b.max = 1 - (positives - 1) * b.min;
    return b;
}

void ApplyTrailBounds(PheroTable& phero, const LetterTables& letters, double spread) {
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        double* column = phero.column(j);
        const int n = Positives(column, phero.nKeys());
        const TrailBounds b = ColumnBounds(n, spread);
        if (!(b.min > 0)) continue;
        double lack = 0, excess = 0;
        for (int k = 0; k <= phero.nKeys(); ++k) {
            if (!(column[k] > 0)) continue;
            if (column[k] < b.min)
                lack += b.min - column[k];
            else
                excess += column[k] - b.min;
        }
        if (!(lack > 0) || !(excess > lack)) continue;
        const double keep = (excess - lack) / excess;
        for (int k = 0; k <= phero.nKeys(); ++k) {
            if (!(column[k] > 0)) continue;
            column[k] = column[k] < b.min ? b.min : b.min + (column[k] - b.min) * keep;
        }
    }
}

void ResetTrails(PheroTable& phero, const LetterTables& letters, double spread) {
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        double* column = phero.column(j);
        const double level = ColumnBounds(Positives(column, phero.nKeys()), spread).max;
        for (int k = 0; k <= phero.nKeys(); ++k)
            if (column[k] > 0) column[k] = level;
    }
}

double BranchingFactor(const PheroTable& phero, const LetterTables& letters) {
    int n = 0;
    double total = 0;
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        const double* column = phero.column(j);
        double lo = 0, hi = 0;
        bool any = false;
        for (int k = 0; k <= phero.nKeys(); ++k) {
            if (!(column[k] > 0)) continue;
            lo = any ? std::min(lo, column[k]) : column[k];
            hi = any ? std::max(hi, column[k]) : column[k];
            any = true;
        }
        if (!any) continue;
        const double cut = lo + kBranchingLambda * (hi - lo);
        int branches = 0;
        for (int k = 0; k <= phero.nKeys(); ++k) branches += column[k] > 0 && column[k] >= cut;
        ++n;
        total += branches;
    }
    return n > 0 ? total / n : 1.0;
}

int StagnationWatch::Wait() const {
    long long wait = unconfirmedWait_;
    if (Confirmed()) {
        // Doubled per confirmation in a row, up to where an int would overflow.
        const int doublings = std::min(doublings_, 20);
        wait = static_cast<long long>(confirmedWait_) << doublings;
    }
    // A restart's own cost is the polish of unconverged layouts until the epoch settles:
    // at least as many converged iterations follow.
    wait = std::max(wait, movesToBest_);
    return static_cast<int>(std::min<long long>(wait, std::numeric_limits<int>::max()));
}

bool StagnationWatch::Stagnant(Single iterationBest, double branching, Single runBest, int moves) {
    moves_ += moves;
    if (!seen_ || iterationBest > best_) {
        seen_ = true;
        best_ = iterationBest;
        idle_ = 0;
        movesToBest_ = moves_;
        return false;
    }
    if (++idle_ < Wait() || branching > kConvergedBranching) return false;
    // A new best starts the doubling over; a worse optimum leaves it as it was.
    if (Confirmed())
        ++doublings_;
    else if (best_ > runBestBefore_)
        doublings_ = 0;
    runBestBefore_ = runBest;
    idle_ = 0;
    moves_ = movesToBest_ = 0;
    seen_ = false;
    best_ = 0;
    return true;
}

void StagnationWatch::Reset() {
    *this = StagnationWatch(confirmedWait_, unconfirmedWait_);
}

}  // namespace antkeys
