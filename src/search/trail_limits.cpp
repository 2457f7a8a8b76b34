#include "search/trail_limits.hpp"

#include <algorithm>
#include <cmath>

namespace antkeys {
namespace {

bool Free(const LetterTables& letters, int j) {
    return j < static_cast<int>(letters.letFixKey.size()) &&
           letters.letFixKey[static_cast<std::size_t>(j)] == 0;
}

int LastLetter(const PheroTable& phero, const LetterTables& letters) {
    return std::min(phero.nLet(), letters.nLet());
}

}  // namespace

double BestKeyChance(double gap, double others) {
    // The best key's draw u wins when every other draw is below u + gap.
    const double d = std::clamp(gap, 0.0, 1.0);
    return d + (1 - std::pow(d, others + 1)) / (others + 1);
}

TrailBounds TrailBoundsFor(const PheroTable& phero, const LetterTables& letters, double s) {
    TrailBounds bounds;
    int n = 0;
    double choices = 0;
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        const double* column = phero.column(j);
        int positive = 0;
        for (int k = 0; k <= phero.nKeys(); ++k) positive += column[k] > 0;
        ++n;
        choices += positive;
    }
    if (n == 0 || !(s > 0)) return bounds;
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
    bounds.min = std::clamp(bounds.max - lo / s, 0.0, bounds.max);
    return bounds;
}

void ApplyTrailBounds(PheroTable& phero, const LetterTables& letters, TrailBounds bounds) {
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        double* column = phero.column(j);
        for (int k = 0; k <= phero.nKeys(); ++k)
            if (column[k] > 0) column[k] = std::clamp(column[k], bounds.min, bounds.max);
    }
}

void ResetTrails(PheroTable& phero, const LetterTables& letters, double level) {
    for (int j = 0; j <= LastLetter(phero, letters); ++j) {
        if (!Free(letters, j)) continue;
        double* column = phero.column(j);
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

bool StagnationWatch::Stagnant(Single iterationBest, double branching) {
    if (!seen_ || iterationBest > best_) {
        seen_ = true;
        best_ = iterationBest;
        idle_ = 0;
        return false;
    }
    if (++idle_ < limit_ || branching > kConvergedBranching) return false;
    Reset();
    return true;
}

void StagnationWatch::Reset() {
    idle_ = 0;
    seen_ = false;
    best_ = 0;
}

}  // namespace antkeys
