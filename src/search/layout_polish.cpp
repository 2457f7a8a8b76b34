#include "search/layout_polish.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace antkeys {
namespace {

// A swap must lower the ratio sum by more than rounding can account for.
constexpr double kRelativeTolerance = 1e-12;
// Steepest descent always improves, so it ends; this only bounds a pathological table.
constexpr int kMaxSwaps = 10000;

}  // namespace

LayoutPolisher::LayoutPolisher(const Workspace& ws) : ws_(ws) {
    const KeyTables& keys = ws.keys;
    nKeys_ = std::min(keys.nKeys(), kMaxKeys);
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    layV_.ref = ws.layV.ref;
    for (std::size_t i = 1; i <= 6; ++i)
        w_[i] = ws.layV.ref[i] > 0 ? ws.weights.gj[i] / ws.layV.ref[i] : 0;

    // The digraph rules of the analyzer, per key pair, weighted into one figure.
    alter_.assign(n, 0);
    cost_.assign(n * n, 0);
    for (std::size_t k = 0; k < n; ++k) alter_[k] = keys.alters[k] != 0 ? 1 : 0;
    for (std::size_t k1 = 0; k1 < n; ++k1) {
        for (std::size_t k2 = 0; k2 < n; ++k2) {
            const bool oneHand =
                alter_[k1] == 0 && alter_[k2] == 0 && keys.hands[k1] == keys.hands[k2];
            if (!oneHand) continue;
            const int fa = keys.fingers[k1], fb = keys.fingers[k2];
            double c = w_[3];
            if (fa == fb) {
                const int distance = std::abs(keys.cols[k1] - keys.cols[k2]) +
                                     std::abs(keys.rows[k1] - keys.rows[k2]);
                c += w_[4] * static_cast<double>(distance);
            } else {
                // A finger Kdi has no row for fails the full grading, which rejects the swap.
                if (keys.rows[k1] != keys.rows[k2] && fa <= 5 && fb <= 5)
                    c += w_[5] * static_cast<double>(ws.weights.kdi[static_cast<std::size_t>(fa)]
                                                                   [static_cast<std::size_t>(fb)]);
                if (fb > fa) c += w_[6];
            }
            cost_[k1 * n + k2] = c;
        }
    }

    first_ = ws.digraphs.first;
    second_ = ws.digraphs.second;
    freq_ = ws.analizer.frequencies();
    const std::size_t nDi = std::min({first_.size(), second_.size(), freq_.size()});
    std::array<int, kCharCodes + 1> counts{};
    for (std::size_t i = 0; i < nDi; ++i) {
        ++counts[first_[i]];
        if (second_[i] != first_[i]) ++counts[second_[i]];
        secondShare_[second_[i]] += freq_[i];
    }
    touchStart_.assign(kCharCodes + 1, 0);
    for (std::size_t c = 0; c < kCharCodes; ++c) touchStart_[c + 1] = touchStart_[c] + counts[c];
    const auto nTouch = static_cast<std::size_t>(touchStart_[kCharCodes]);
    touchFirst_.assign(nTouch, 0);
    touchSecond_.assign(nTouch, 0);
    touchFreq_.assign(nTouch, 0);
    touchCost_.assign(nTouch, 0);
    std::array<int, kCharCodes> fill{};
    for (std::size_t i = 0; i < nDi; ++i) {
        const auto add = [&](Byte c) {
            const auto t = static_cast<std::size_t>(touchStart_[c] + fill[c]++);
            touchFirst_[t] = first_[i];
            touchSecond_[t] = second_[i];
            touchFreq_[t] = freq_[i];
        };
        add(first_[i]);
        if (second_[i] != first_[i]) add(second_[i]);
    }
    // The letters that may move: free, and each code once (a code listed twice is one
    // character in a layout). The letters never change after the start.
    const LetterTables& letters = ws.letters;
    letterOf_.fill(-1);
    std::array<int, kCharCodes> seen{};
    for (Byte c : letters.letSet) ++seen[c];
    for (int j = 0; j <= letters.nLet(); ++j) {
        const Byte c = letters.letSet[static_cast<std::size_t>(j)];
        letterOf_[c] = seen[c] == 1 ? j : -1;
        if (seen[c] == 1 && letters.letFixKey[static_cast<std::size_t>(j)] == 0)
            movable_.push_back(c);
    }
}

double LayoutPolisher::RatioSum(const Criteria& v) const {
    double s = 0;
    for (std::size_t i = 1; i <= 6; ++i) s += w_[i] * v[i];
    return s;
}

bool LayoutPolisher::SwapAllowed(const Layout& lay, Byte a, Byte b) const {
    const int ja = letterOf_[a], jb = letterOf_[b];
    if (ja < 0 || jb < 0 || a == b) return false;
    const LetterTables& letters = ws_.letters;
    if (letters.letFixKey[static_cast<std::size_t>(ja)] != 0 ||
        letters.letFixKey[static_cast<std::size_t>(jb)] != 0)
        return false;
    const int ka = lay[a], kb = lay[b];
    if (ka == kb || ka > nKeys_ || kb > nKeys_) return false;
    const PheroTable& phero = ws_.phero;
    if (ka > phero.nKeys() || kb > phero.nKeys() || ja > phero.nLet() || jb > phero.nLet())
        return false;
    return phero.at(kb, ja) > 0 && phero.at(ka, jb) > 0;
}

void LayoutPolisher::Prepare(const Layout& lay) {
    load_.fill(0);
    for (std::size_t i = 0; i < freq_.size(); ++i) {
        const Byte k = lay[second_[i]];
        if (k <= kMaxKeys) load_[k] += freq_[i];
    }
    // Each digraph's cost as the layout stands, once for all the swaps ranked against it.
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    for (std::size_t t = 0; t < touchCost_.size(); ++t) {
        const std::size_t k1 = lay[touchFirst_[t]], k2 = lay[touchSecond_[t]];
        touchCost_[t] = k1 < n && k2 < n ? cost_[k1 * n + k2] : 0;
    }
    keyAfter_ = lay;
}

double LayoutPolisher::DigraphDelta(Byte a, Byte b, Byte ka, Byte kb) const {
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    keyAfter_[a] = kb;
    keyAfter_[b] = ka;
    const Byte* after = keyAfter_.data();
    const double* cost = cost_.data();
    // The terms in the order of the digraphs of a, then those of b without a.
    double d = 0;
    for (auto t = static_cast<std::size_t>(touchStart_[a]);
         t < static_cast<std::size_t>(touchStart_[a + 1]); ++t) {
        const std::size_t k1 = after[touchFirst_[t]], k2 = after[touchSecond_[t]];
        d += touchFreq_[t] * (cost[k1 * n + k2] - touchCost_[t]);
    }
    for (auto t = static_cast<std::size_t>(touchStart_[b]);
         t < static_cast<std::size_t>(touchStart_[b + 1]); ++t) {
        const Byte c1 = touchFirst_[t], c2 = touchSecond_[t];
        if (c1 == a || c2 == a) continue;  // counted with a
        const std::size_t k1 = after[c1], k2 = after[c2];
        d += touchFreq_[t] * (cost[k1 * n + k2] - touchCost_[t]);
    }
    keyAfter_[a] = ka;
    keyAfter_[b] = kb;
    return d;
}

double LayoutPolisher::SwappedRatioSum(const Layout& lay, const Criteria& v, Byte a, Byte b) const {
    const Byte ka = lay[a], kb = lay[b];
    if (alter_[ka] != 0 || alter_[kb] != 0) {
        // A shared key splits its load with its companion: grade the swap in full.
        Layout trial = lay;
        trial[a] = kb;
        trial[b] = ka;
        Criteria vt{};
        if (!ws_.analizer.CalcV1_6(trial, vt)) return std::numeric_limits<double>::infinity();
        return RatioSum(vt);
    }
    const BestLoadTable& best = ws_.weights.bestLoad;
    const double la = load_[ka], lb = load_[kb];
    const double na = la - secondShare_[a] + secondShare_[b];
    const double nb = lb - secondShare_[b] + secondShare_[a];
    const auto sq = [](double x) { return x * x; };
    const double dV1 =
        sq(na - best[ka]) + sq(nb - best[kb]) - sq(la - best[ka]) - sq(lb - best[kb]);
    return RatioSum(v) + w_[1] * dV1 + DigraphDelta(a, b, ka, kb);
}

bool LayoutPolisher::FullGrade(const Layout& lay, Single& grade, Criteria& v) {
    const GradeResult g = EvaluateLay(lay, ws_.analizer, ws_.weights, layV_, panel_, noYield_);
    if (!g.ok) return false;
    grade = g.grade;
    v = layV_.last;
    return true;
}

LayoutPolisher::Result LayoutPolisher::Polish(Layout& lay) {
    Result result;
    Criteria v{};
    if (!FullGrade(lay, result.grade, v)) return result;
    result.ok = true;

    Prepare(lay);
    const std::size_t m = movable_.size();
    while (result.swaps < kMaxSwaps) {
        const double current = RatioSum(v);
        double bestSum = current - kRelativeTolerance * std::abs(current);
        int bestI = -1, bestJ = -1;
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = i + 1; j < m; ++j) {
                const Byte a = movable_[i], b = movable_[j];
                if (!SwapAllowed(lay, a, b)) continue;
                const double s = SwappedRatioSum(lay, v, a, b);
                if (s < bestSum) {
                    bestSum = s;
                    bestI = static_cast<int>(i);
                    bestJ = static_cast<int>(j);
                }
            }
        }
        if (bestI < 0) break;

        Layout trial = lay;
        const Byte a = movable_[static_cast<std::size_t>(bestI)];
        const Byte b = movable_[static_cast<std::size_t>(bestJ)];
        trial[a] = lay[b];
        trial[b] = lay[a];
        Single grade = 0;
        Criteria vt{};
        if (!FullGrade(trial, grade, vt) || !(grade > result.grade)) break;
        lay = trial;
        v = vt;
        result.grade = grade;
        ++result.swaps;
        Prepare(lay);
    }
    return result;
}

}  // namespace antkeys
