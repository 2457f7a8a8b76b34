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
    touch_.assign(static_cast<std::size_t>(touchStart_[kCharCodes]), TouchEntry{});
    std::array<int, kCharCodes> fill{};
    const auto stride = static_cast<std::int32_t>(n);
    for (std::size_t i = 0; i < nDi; ++i) {
        const auto add = [&](Byte self, Byte other) {
            TouchEntry& e = touch_[static_cast<std::size_t>(touchStart_[self] + fill[self]++)];
            e.freq = freq_[i];
            e.other = other;
            const bool selfFirst = first_[i] == self;
            e.mulSelf = first_[i] == second_[i] ? stride + 1 : selfFirst ? stride : 1;
            e.mulOther = first_[i] == second_[i] ? 0 : selfFirst ? 1 : stride;
        };
        add(first_[i], second_[i]);
        if (second_[i] != first_[i]) add(second_[i], first_[i]);
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
    const std::size_t m = movable_.size();
    movableAt_.fill(-1);
    for (std::size_t i = 0; i < m; ++i) movableAt_[movable_[i]] = static_cast<int>(i);
    plan_.assign(m * m, 0);
    partial_.assign(m * m, 0);
    rank_.assign(m * m, 0);
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
    for (std::size_t c = 0; c < kCharCodes; ++c) {
        const std::size_t k = lay[c];
        for (auto t = static_cast<std::size_t>(touchStart_[c]);
             t < static_cast<std::size_t>(touchStart_[c + 1]); ++t) {
            TouchEntry& e = touch_[t];
            const std::size_t ko = lay[static_cast<std::size_t>(e.other)];
            e.otherKey = static_cast<std::int32_t>(ko);
            e.before = k < n && ko < n ? cost_[k * static_cast<std::size_t>(e.mulSelf) +
                                                ko * static_cast<std::size_t>(e.mulOther)]
                                       : 0;
        }
    }
}

double LayoutPolisher::DigraphDelta(Byte a, Byte b, Byte ka, Byte kb) const {
    const double* cost = cost_.data();
    const TouchEntry* touch = touch_.data();
    // The terms in the order of the digraphs of a, then those of b without a.
    double d = 0;
    for (const TouchEntry* e = touch + touchStart_[a]; e != touch + touchStart_[a + 1]; ++e) {
        const std::int32_t other = e->other == b ? ka : e->otherKey;
        d += e->freq * (cost[kb * e->mulSelf + other * e->mulOther] - e->before);
    }
    for (const TouchEntry* e = touch + touchStart_[b]; e != touch + touchStart_[b + 1]; ++e) {
        if (e->other == a) continue;  // counted with a
        d += e->freq * (cost[ka * e->mulSelf + e->otherKey * e->mulOther] - e->before);
    }
    return d;
}

double LayoutPolisher::LoadDelta(Byte a, Byte b, Byte ka, Byte kb) const {
    const BestLoadTable& best = ws_.weights.bestLoad;
    const double la = load_[ka], lb = load_[kb];
    const double na = la - secondShare_[a] + secondShare_[b];
    const double nb = lb - secondShare_[b] + secondShare_[a];
    const auto sq = [](double x) { return x * x; };
    return sq(na - best[ka]) + sq(nb - best[kb]) - sq(la - best[ka]) - sq(lb - best[kb]);
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
    return RatioSum(v) + w_[1] * LoadDelta(a, b, ka, kb) + DigraphDelta(a, b, ka, kb);
}

namespace {
enum : unsigned char { kNotAllowed, kInLanes, kAlone };
}  // namespace

void LayoutPolisher::RankSwaps(const Layout& lay, const Criteria& v) {
    const std::size_t m = movable_.size();
    const double* cost = cost_.data();
    const TouchEntry* touch = touch_.data();
    SwapLanes lanes;
    std::array<std::size_t, SwapLanes::kWidth> at{};  // pair index of each lane
    std::size_t used = 0;
    // Runs the filled lanes (the rest repeat lane 0) and keeps their sums.
    const auto flush = [&](const auto& run) {
        if (used == 0) return;
        for (std::size_t l = used; l < SwapLanes::kWidth; ++l) {
            lanes.key[l] = lanes.key[0];
            lanes.partner[l] = lanes.partner[0];
            lanes.sum[l] = lanes.sum[0];
        }
        run();
        for (std::size_t l = 0; l < used; ++l) partial_[at[l]] = lanes.sum[l];
        used = 0;
    };

    // The digraphs of the first letter a, for every partner b after it.
    for (std::size_t i = 0; i < m; ++i) {
        const Byte a = movable_[i], ka = lay[a];
        const TouchEntry* begin = touch + touchStart_[a];
        const TouchEntry* end = touch + touchStart_[a + 1];
        const auto run = [&] { lanes_.own(begin, end, cost, ka, lanes); };
        for (std::size_t j = i + 1; j < m; ++j) {
            const Byte b = movable_[j], kb = lay[b];
            const std::size_t p = i * m + j;
            plan_[p] = !SwapAllowed(lay, a, b)                  ? kNotAllowed
                       : alter_[ka] != 0 || alter_[kb] != 0 ? kAlone
                                                              : kInLanes;
            if (plan_[p] == kAlone) rank_[p] = SwappedRatioSum(lay, v, a, b);
            if (plan_[p] != kInLanes) continue;
            lanes.key[used] = kb;
            lanes.partner[used] = b;
            lanes.sum[used] = 0;
            at[used++] = p;
            if (used == SwapLanes::kWidth) flush(run);
        }
        flush(run);
    }
    // The digraphs of the partner b, continuing each sum, for every first letter before it.
    for (std::size_t j = 1; j < m; ++j) {
        const Byte b = movable_[j];
        const TouchEntry* begin = touch + touchStart_[b];
        const TouchEntry* end = touch + touchStart_[b + 1];
        const auto run = [&] { lanes_.partner(begin, end, cost, lanes); };
        for (std::size_t i = 0; i < j; ++i) {
            const std::size_t p = i * m + j;
            if (plan_[p] != kInLanes) continue;
            const Byte a = movable_[i];
            lanes.key[used] = lay[a];
            lanes.partner[used] = a;
            lanes.sum[used] = partial_[p];
            at[used++] = p;
            if (used == SwapLanes::kWidth) flush(run);
        }
        flush(run);
    }
    const double sum = RatioSum(v);
    for (std::size_t i = 0; i < m; ++i) {
        const Byte a = movable_[i];
        for (std::size_t j = i + 1; j < m; ++j) {
            const std::size_t p = i * m + j;
            if (plan_[p] != kInLanes) continue;
            const Byte b = movable_[j];
            rank_[p] = sum + w_[1] * LoadDelta(a, b, lay[a], lay[b]) + partial_[p];
        }
    }
}

bool LayoutPolisher::RankedSwap(Byte a, Byte b, double& sum) const {
    int i = movableAt_[a], j = movableAt_[b];
    if (i < 0 || j < 0 || i == j) return false;
    if (i > j) std::swap(i, j);
    const std::size_t p = static_cast<std::size_t>(i) * movable_.size() + static_cast<std::size_t>(j);
    if (plan_[p] == kNotAllowed) return false;
    sum = rank_[p];
    return true;
}

void LayoutPolisher::RankMoves(const Layout& lay, const Criteria& v, Byte a, Byte standIn,
                               const int* keys, std::size_t count, double* sums) {
    const Byte ka = lay[a];
    const TouchEntry* begin = touch_.data() + touchStart_[a];
    const TouchEntry* end = touch_.data() + touchStart_[a + 1];
    const double sum = RatioSum(v);
    SwapLanes lanes;
    lanes.partner.fill(standIn);  // in no digraph: every other character stays where it is
    for (std::size_t first = 0; first < count; first += SwapLanes::kWidth) {
        const std::size_t used = std::min<std::size_t>(count - first, SwapLanes::kWidth);
        for (std::size_t l = 0; l < SwapLanes::kWidth; ++l)
            lanes.key[l] = keys[first + (l < used ? l : 0)];
        lanes.sum.fill(0);
        lanes_.own(begin, end, cost_.data(), ka, lanes);
        for (std::size_t l = 0; l < used; ++l) {
            const auto key = static_cast<Byte>(lanes.key[l]);
            if (alter_[ka] != 0 || alter_[key] != 0) {
                Layout probe = lay;
                probe[standIn] = key;
                sums[first + l] = SwappedRatioSum(probe, v, a, standIn);
            } else {
                // The stand-in is in no digraph, so its own list adds nothing.
                sums[first + l] = sum + w_[1] * LoadDelta(a, standIn, ka, key) + lanes.sum[l];
            }
        }
    }
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
        RankSwaps(lay, v);
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = i + 1; j < m; ++j) {
                if (plan_[i * m + j] == kNotAllowed) continue;
                const double s = rank_[i * m + j];
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
